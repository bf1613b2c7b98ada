#include "framework/classes/StringList.h"

#include "framework/classes/Component.h"

#include <algorithm>

VQ_PUBLISH(TStringList) {}

void TStringList::CheckIndex(int index, bool allowEnd) const {
    const int limit = allowEnd ? Count() : Count() - 1;
    if (index < 0 || index > limit) Error(QStringLiteral("List index out of bounds (%d)"), index);
}

String TStringList::Get(int index) const {
    CheckIndex(index);
    return FItems[size_t(index)].Text;
}

void TStringList::Put(int index, const String& value) {
    if (FSorted) throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(index);
    Changing();
    FItems[size_t(index)].Text = value;
    Changed();
}

TObject* TStringList::GetObject(int index) const {
    CheckIndex(index);
    return FItems[size_t(index)].Object;
}

void TStringList::PutObject(int index, TObject* object) {
    CheckIndex(index);
    Changing();
    FItems[size_t(index)].Object = object;
    Changed();
}

void TStringList::Insert(int index, const String& value) {
    if (FSorted) throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(index, true);
    Changing();
    FItems.insert(FItems.begin() + index, Item{value, nullptr});
    Changed();
}

int TStringList::Add(const String& value) {
    return AddObject(value, nullptr);
}

int TStringList::AddObject(const String& value, TObject* object) {
    int index = Count();
    if (FSorted && Find(value, index)) {
        if (FDuplicates == dupIgnore) return index;
        if (FDuplicates == dupError)
            throw EStringListError(QStringLiteral("String list does not allow duplicates"));
    }
    Changing();
    FItems.insert(FItems.begin() + index, Item{value, object});
    Changed();
    return index;
}

void TStringList::Move(int curIndex, int newIndex) {
    if (FSorted) throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    TStrings::Move(curIndex, newIndex);
}

void TStringList::Exchange(int index1, int index2) {
    if (FSorted) throw EStringListError(QStringLiteral("Operation not allowed on sorted list"));
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(FItems[size_t(index1)], FItems[size_t(index2)]);
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (FItems.empty()) return;
    Changing();
    FItems.clear();
    Changed();
}

int TStringList::IndexOf(const String& value) const {
    if (!FSorted) return TStrings::IndexOf(value);
    int index = 0;
    return Find(value, index) ? index : -1;
}

bool TStringList::Find(const String& value, int& index) const {
    int lo = 0, hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int c = FItems[size_t(mid)].Text.compare(value, Qt::CaseInsensitive);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                if (FDuplicates != dupAccept) lo = mid;
            }
        }
    }
    index = lo;
    return found;
}

void TStringList::SetSorted(bool value) {
    if (FSorted == value) return;
    if (value) Sort();
    FSorted = value;
}

void TStringList::Sort() {
    if (FSorted || Count() < 2) return;
    Changing();
    std::stable_sort(FItems.begin(), FItems.end(), [](const Item& a, const Item& b) {
        return a.Text.compare(b.Text, Qt::CaseInsensitive) < 0;
    });
    Changed();
}

void TStringList::Changing() {
    if (UpdateCount() == 0) Fire(OnChanging, this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0) Fire(OnChange, this);
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}
