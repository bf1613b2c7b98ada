#include "framework/classes/Strings.h"

VQ_PUBLISH(TStrings) {}

void TStrings::Error(const String& pattern, int index) const {
    throw EStringListError(Exception::Format(pattern, {QString::number(index)}));
}

void TStrings::Put(int index, const String& value) {
    TObject* obj = GetObject(index);
    BeginUpdate();
    Delete(index);
    Insert(index, value);
    PutObject(index, obj);
    EndUpdate();
}

TObject* TStrings::GetObject(int) const { return nullptr; }
void TStrings::PutObject(int, TObject*) {}

int TStrings::Add(const String& value) {
    const int index = Count();
    Insert(index, value);
    return index;
}

int TStrings::AddObject(const String& value, TObject* object) {
    const int index = Add(value);
    PutObject(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings* strings) {
    BeginUpdate();
    for (int i = 0; i < strings->Count(); ++i) AddObject(strings->Get(i), strings->GetObject(i));
    EndUpdate();
}

int TStrings::IndexOf(const String& value) const {
    for (int i = 0; i < Count(); ++i)
        if (Get(i).compare(value, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    BeginUpdate();
    const String s = Get(curIndex);
    TObject* o = GetObject(curIndex);
    Delete(curIndex);
    Insert(newIndex, s);
    PutObject(newIndex, o);
    EndUpdate();
}

void TStrings::Exchange(int index1, int index2) {
    BeginUpdate();
    const String s1 = Get(index1), s2 = Get(index2);
    TObject* o1 = GetObject(index1);
    TObject* o2 = GetObject(index2);
    Put(index1, s2);
    PutObject(index1, o2);
    Put(index2, s1);
    PutObject(index2, o1);
    EndUpdate();
}

String TStrings::Text() const {
    String out;
    for (int i = 0; i < Count(); ++i) {
        out += Get(i);
        out += QStringLiteral("\r\n");
    }
    return out;
}

void TStrings::SetText(const String& value) {
    BeginUpdate();
    Clear();
    qsizetype start = 0;
    const qsizetype n = value.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = value[i];
        if (c == u'\r' || c == u'\n') {
            Add(value.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && value[i + 1] == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < n) Add(value.mid(start));
    EndUpdate();
}

String TStrings::CommaText() const {
    QStringList parts;
    for (int i = 0; i < Count(); ++i) {
        String s = Get(i);
        bool quote = s.isEmpty();
        for (QChar c : s)
            if (c <= u' ' || c == u',' || c == u'"') quote = true;
        if (quote) s = u'"' + String(s).replace(u'"', QStringLiteral("\"\"")) + u'"';
        parts << s;
    }
    return parts.join(u',');
}

void TStrings::SetCommaText(const String& value) {
    BeginUpdate();
    Clear();
    qsizetype i = 0;
    const qsizetype n = value.size();
    auto skipBlanks = [&] {
        while (i < n && value[i] <= u' ') ++i;
    };
    skipBlanks();
    while (i < n) {
        String item;
        if (value[i] == u'"') {
            ++i;
            while (i < n) {
                if (value[i] == u'"') {
                    if (i + 1 < n && value[i + 1] == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += value[i++];
            }
        } else {
            while (i < n && value[i] > u' ' && value[i] != u',') item += value[i++];
        }
        Add(item);
        skipBlanks();
        if (i < n && value[i] == u',') {
            ++i;
            skipBlanks();
            if (i == n) Add(String());
        }
    }
    EndUpdate();
}

QStringList TStrings::ToStringList() const {
    QStringList out;
    out.reserve(Count());
    for (int i = 0; i < Count(); ++i) out << Get(i);
    return out;
}

void TStrings::SetStringList(const QStringList& list) {
    BeginUpdate();
    Clear();
    for (const auto& s : list) Add(s);
    EndUpdate();
}

void TStrings::BeginUpdate() {
    if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(const TPersistent* Source) {
    if (auto* src = dynamic_cast<const TStrings*>(Source)) {
        if (src == this) return;
        BeginUpdate();
        Clear();
        AddStrings(src);
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

bool TStrings::Equals(const TStrings* other) const {
    if (!other || other->Count() != Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != other->Get(i)) return false;
    return true;
}
