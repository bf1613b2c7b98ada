#include "framework/classes/Strings.h"

#include "framework/system/UpdateScope.h"

#include <utility>
#include <vector>

VQ_PUBLISH(TStrings) {}

void TStrings::Error(const String& pattern, int index) const {
    throw EStringListError(Exception::Format(pattern, {QString::number(index)}));
}

void TStrings::Put(int index, const String& value) {
    TObject* obj = GetObject(index);
    TUpdateScope update([this] { BeginUpdate(); }, [this] { EndUpdate(); });
    Delete(index);
    Insert(index, value);
    PutObject(index, obj);
}

TObject* TStrings::GetObject(int) const {
    return nullptr;
}
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
    // A snapshot first: adding a list to itself would otherwise chase its own growing end.
    std::vector<std::pair<String, TObject*>> items;
    items.reserve(size_t(strings->Count()));
    for (int i = 0; i < strings->Count(); ++i)
        items.emplace_back(strings->Get(i), strings->GetObject(i));
    TUpdateScope update([this] { BeginUpdate(); }, [this] { EndUpdate(); });
    for (const auto& [text, object] : items)
        AddObject(text, object);
}

int TStrings::IndexOf(const String& value) const {
    for (int i = 0; i < Count(); ++i)
        if (Get(i).compare(value, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    const String s = Get(curIndex);
    TObject* o = GetObject(curIndex);
    // After the delete the list is one shorter: checking now keeps the item from being lost.
    if (newIndex < 0 || newIndex >= Count())
        Error(QStringLiteral("List index out of bounds (%d)"), newIndex);
    TUpdateScope update([this] { BeginUpdate(); }, [this] { EndUpdate(); });
    Delete(curIndex);
    Insert(newIndex, s);
    PutObject(newIndex, o);
}

void TStrings::Exchange(int index1, int index2) {
    const String s1 = Get(index1), s2 = Get(index2);
    TObject* o1 = GetObject(index1);
    TObject* o2 = GetObject(index2);
    TUpdateScope update([this] { BeginUpdate(); }, [this] { EndUpdate(); });
    Put(index1, s2);
    PutObject(index1, o2);
    Put(index2, s1);
    PutObject(index2, o1);
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
    TUpdateScope update([this] { BeginUpdate(); }, [this] { EndUpdate(); });
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
    TUpdateScope update([this] { BeginUpdate(); }, [this] { EndUpdate(); });
    Clear();
    qsizetype i = 0;
    const qsizetype n = value.size();
    auto skipBlanks = [&] {
        while (i < n && value[i] <= u' ')
            ++i;
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
            while (i < n && value[i] > u' ' && value[i] != u',')
                item += value[i++];
        }
        Add(item);
        skipBlanks();
        if (i < n && value[i] == u',') {
            ++i;
            skipBlanks();
            if (i == n) Add(String());
        }
    }
}

QStringList TStrings::ToStringList() const {
    QStringList out;
    out.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        out << Get(i);
    return out;
}

void TStrings::SetStringList(const QStringList& list) {
    TUpdateScope update([this] { BeginUpdate(); }, [this] { EndUpdate(); });
    Clear();
    for (const auto& s : list)
        Add(s);
}

void TStrings::BeginUpdate() {
    // The state changes while the count is still 0, so the list's own "changing" notice fires.
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(const TPersistent* Source) {
    if (auto* src = dynamic_cast<const TStrings*>(Source)) {
        if (src == this) return;
        TUpdateScope update([this] { BeginUpdate(); }, [this] { EndUpdate(); });
        Clear();
        AddStrings(src);
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
