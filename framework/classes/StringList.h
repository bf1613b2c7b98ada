#pragma once
// TStringList: the string list that owns its strings, with optional sorting and change events.

#include "framework/classes/Strings.h"

#include <vector>

VQ_ENUM(TDuplicates, uint8_t, dupIgnore, dupAccept, dupError)

class TStringList : public TStrings {
    VQ_CLASS(TStringList, TStrings)
public:
    TStringList() = default;

    int Count() const override { return int(FItems.size()); }
    String Get(int index) const override;
    void Put(int index, const String& value) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void Insert(int index, const String& value) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const String& value) override;
    // Sorted: an ignored duplicate gives the index of the string already there and leaves its
    // object alone.
    int AddObject(const String& value, TObject* object) override;
    int IndexOf(const String& value) const override;
    void Move(int curIndex, int newIndex) override; // refused on a sorted list
    void Exchange(int index1, int index2) override; // refused on a sorted list

    // Sorted lists keep their order by case-insensitive comparison; Insert, Put and Move are then
    // refused with EStringListError, as is Exchange. Add places the string and applies Duplicates.
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    void Sort(); // stable; does nothing on a list already Sorted
    // Binary search in a sorted list: true when found; index receives the (insertion) position.
    bool Find(const String& value, int& index) const;

    std::function<void(TObject* Sender)> OnChange;   // after each change (or EndUpdate)
    std::function<void(TObject* Sender)> OnChanging; // before each change

protected:
    void SetUpdateState(bool updating) override;
    void Changed();
    void Changing();

private:
    struct Item {
        String Text;
        TObject* Object = nullptr;
    };
    void CheckIndex(int index, bool allowEnd = false) const;
    std::vector<Item> FItems;
    bool FSorted = false;
    TDuplicates FDuplicates = dupIgnore;
};
