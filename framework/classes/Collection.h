#pragma once
// TCollection: an owned list of items of one class; form descriptions write it as < item ... >.

#include "framework/classes/TypeInfo.h"

#include <memory>
#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
    VQ_CLASS(TCollectionItem, TPersistent)
public:
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    int Index() const;

protected:
    // Tells the collection that this item changed (all: its layout too).
    void Changed(bool all);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
};

class TCollection : public TPersistent {
    VQ_CLASS(TCollection, TPersistent)
public:
    using TItemFactory = std::function<TCollectionItem*(TCollection*)>;
    explicit TCollection(TItemFactory factory);
    ~TCollection() override;

    int Count() const { return int(FItems.size()); }
    TCollectionItem* Items(int index) const; // EListError when out of range
    TCollectionItem* Add();
    void Delete(int index);
    void Clear();
    void BeginUpdate();
    void EndUpdate();

    void Assign(const TPersistent* Source) override;

    std::function<void(TCollection* Sender, TCollectionItem* Item)> OnUpdate;

protected:
    virtual void Update(TCollectionItem* item);

private:
    friend class TCollectionItem;
    void Changed(TCollectionItem* item);
    TItemFactory FFactory;
    std::vector<TCollectionItem*> FItems;
    int FUpdateCount = 0;
};
