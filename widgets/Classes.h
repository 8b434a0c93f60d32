// Object model of the widget layer: components with names and owners, string
// lists, byte streams and events. Free of Qt.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "text/DfmValue.h"

class ClassInfo;

class TObject {
public:
    virtual ~TObject() = default;
};

// An event property: the bound call and, for the definition writer, the name
// of the form's handler it came from (empty when bound in code).
template <class... Args>
struct TEvent {
    std::function<void(Args...)> Fn;
    std::string HandlerName;

    TEvent() = default;
    TEvent(std::function<void(Args...)> fn, std::string name = {}) : Fn(std::move(fn)), HandlerName(std::move(name)) {}
    explicit operator bool() const { return static_cast<bool>(Fn); }
    void operator()(Args... args) const
    {
        if (Fn)
            Fn(args...);
    }
};
using TNotifyEvent = TEvent<TObject*>;

// A component: a name, an owner that destroys it, and its place in a window
// definition (the object block it was read from). The runtime class is
// described by a ClassInfo (property table and factory).
class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner = nullptr);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    virtual const ClassInfo& Class() const = 0;
    const std::string& ClassName() const;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }
    TComponent* FindComponent(const std::string& name) const;

    // Definition tree: the components read inside this one's object block.
    const std::vector<TComponent*>& DefinitionChildren() const { return defChildren_; }
    // Adopts a component read inside this one's object block; returns false
    // when this kind of component cannot hold that kind.
    bool InsertDefinitionChild(TComponent* child);
    void RemoveDefinitionChild(TComponent* child);

    bool Loading() const { return loading_; }
    void SetLoading(bool loading) { loading_ = loading; }
    // Runs once after the whole definition of the owning window has been read:
    // the work put off meanwhile (AfterLoading), each piece once, in the
    // order last asked for. A control adds what it always does then by
    // asking for it before calling its base's Loaded.
    virtual void Loaded();

    std::int32_t Tag = 0;
    // Values of properties read and written back but without effect here.
    std::map<std::string, DfmValue> InertValues;

protected:
    // Work that needs the whole definition (a font given in five properties,
    // a size that depends on the font and the text, a name from a caption):
    // done now, or, while the definition is read, once by Loaded. Asked for
    // again meanwhile, it moves behind what was asked since, so work that
    // depends on other work (a size on the font) asks again when that does.
    template <class T>
    void AfterLoading(void (T::*work)())
    {
        // Called through the class that has it: a base's member pointer may
        // not stand for a derived class's member.
        T* self = static_cast<T*>(this);
        afterLoading(static_cast<Work>(work), [self, work] { (self->*work)(); });
    }
    // Put-off work done now by the first that needs it before the end of the
    // reading (a container's font, before its children come in); nothing
    // when it is not waiting.
    template <class T>
    void DoWaiting(void (T::*work)())
    {
        doWaiting(static_cast<Work>(work));
    }

    // Attach the child (parent a control, add a menu item); default refuses.
    virtual bool AcceptChild(TComponent* child);
    virtual void ChildRemoved(TComponent*) {}

private:
    using Work = void (TComponent::*)(); // which work it is; never called through
    struct Waiting {
        Work Key;
        std::function<void()> Run;
    };
    void afterLoading(Work key, std::function<void()> run);
    void doWaiting(Work key);
    std::vector<Waiting> waiting_;
    std::string name_;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    TComponent* defParent_ = nullptr;
    std::vector<TComponent*> defChildren_;
    bool loading_ = false;
};

// An ordered list of Windows-1252 strings. Controls expose their items
// through subclasses that keep the widget in step.
class TStrings {
public:
    virtual ~TStrings() = default;
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& s) = 0;
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    int Add(const std::string& s);
    std::string operator[](int index) const { return Get(index); }
    std::vector<std::string> ToVector() const;
    // The lines in place of the present ones (a control adds them at once).
    virtual void Assign(const std::vector<std::string>& lines);
    // Lines joined by CR LF, each line ending in one.
    std::string Text() const;

protected:
    void CheckIndex(int index, int limit) const;
};

class TStringList : public TStrings {
public:
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override { items_.clear(); }

private:
    std::vector<std::string> items_;
};

enum class TSeekOrigin { Beginning, Current, End };

// Byte streams. Read/Write move at most count bytes; ReadBuffer raises the
// stream read error when fewer are there.
class TStream {
public:
    virtual ~TStream() = default;
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
    virtual std::int64_t Size() const = 0;

    std::int64_t Position() { return Seek(0, TSeekOrigin::Current); }
    void SetPosition(std::int64_t p) { Seek(p, TSeekOrigin::Beginning); }
    void ReadBuffer(void* buffer, std::size_t count);
    void WriteBuffer(const void* buffer, std::size_t count);
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }

    void Clear();
    void SetSize(std::int64_t size);
    void LoadFromFile(const std::string& path);
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::uint8_t* Memory() { return bytes_.data(); }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};
