#pragma once
// TStrings: an abstract list of strings with objects, change notification and text forms.

#include "framework/classes/TypeInfo.h"

#include <QStringList>

class TStrings : public TPersistent {
    VQ_CLASS(TStrings, TPersistent)
public:
    virtual int Count() const = 0;
    virtual String Get(int index) const = 0;
    virtual void Put(int index, const String& value);
    virtual TObject* GetObject(int index) const;
    virtual void PutObject(int index, TObject* object);
    virtual void Insert(int index, const String& value) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    String Strings(int index) const { return Get(index); }
    void SetStrings(int index, const String& value) { Put(index, value); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObjects(int index, TObject* object) { PutObject(index, object); }

    virtual int Add(const String& value);
    virtual int AddObject(const String& value, TObject* object);
    void AddStrings(const TStrings* strings); // strings may be this list: adds its items once
    void Append(const String& value) { Add(value); }
    virtual int IndexOf(const String& value) const; // case-insensitive, -1 when absent
    // Both indexes are checked before anything changes, so a refused move loses nothing.
    virtual void Move(int curIndex, int newIndex);
    virtual void Exchange(int index1, int index2);

    // Lines joined with CR LF (each line terminated); setting splits at CR LF, LF or CR.
    String Text() const;
    void SetText(const String& value);
    String CommaText() const;
    void SetCommaText(const String& value);
    QStringList ToStringList() const;
    void SetStringList(const QStringList& list);

    // Nested pairs; the outermost BeginUpdate and EndUpdate call SetUpdateState. Every operation
    // here that brackets itself ends its update also when it throws.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    void Assign(const TPersistent* Source) override;
    bool Equals(const TStrings* other) const;

protected:
    // Called by the outermost BeginUpdate (true, before the count rises) and EndUpdate (false,
    // after it drops back to 0).
    virtual void SetUpdateState(bool updating);
    [[noreturn]] void Error(const String& pattern, int index) const;

private:
    int FUpdateCount = 0;
};
