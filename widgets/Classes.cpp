#include "widgets/Classes.h"

#include "widgets/Properties.h"
#include "widgets/SysUtils.h"

#include <algorithm>
#include <cstring>

// A component made while its owner's definition is read is read with it.
TComponent::TComponent(TComponent* owner) : owner_(owner), loading_(owner && owner->Loading())
{
    if (owner_)
        owner_->components_.push_back(this);
}

TComponent::~TComponent()
{
    // Owned components go first, newest first, so children die before the
    // containers that hold them. Each removes itself from the list.
    while (!components_.empty())
        delete components_.back();
    if (defParent_)
        defParent_->RemoveDefinitionChild(this);
    for (TComponent* c : defChildren_)
        c->defParent_ = nullptr;
    if (owner_) {
        auto& list = owner_->components_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void TComponent::Loaded()
{
    loading_ = false;
    const std::vector<Waiting> work = std::move(waiting_);
    waiting_.clear();
    for (const Waiting& w : work)
        w.Run();
}

void TComponent::afterLoading(Work key, std::function<void()> run)
{
    if (!loading_) {
        run();
        return;
    }
    std::erase_if(waiting_, [key](const Waiting& w) { return w.Key == key; });
    waiting_.push_back({key, std::move(run)});
}

void TComponent::doWaiting(Work key)
{
    const auto it = std::find_if(waiting_.begin(), waiting_.end(), [key](const Waiting& w) { return w.Key == key; });
    if (it == waiting_.end())
        return;
    const std::function<void()> run = std::move(it->Run);
    waiting_.erase(it);
    run();
}

const std::string& TComponent::ClassName() const
{
    return Class().Name();
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (TComponent* c : components_)
        if (c->Name() == name)
            return c;
    return nullptr;
}

bool TComponent::InsertDefinitionChild(TComponent* child)
{
    if (!AcceptChild(child))
        return false;
    child->defParent_ = this;
    defChildren_.push_back(child);
    return true;
}

void TComponent::RemoveDefinitionChild(TComponent* child)
{
    defChildren_.erase(std::remove(defChildren_.begin(), defChildren_.end(), child), defChildren_.end());
    child->defParent_ = nullptr;
    ChildRemoved(child);
}

bool TComponent::AcceptChild(TComponent*)
{
    return false;
}

// ---- TStrings ----

int TStrings::Add(const std::string& s)
{
    const int at = Count();
    Insert(at, s);
    return at;
}

std::vector<std::string> TStrings::ToVector() const
{
    std::vector<std::string> out;
    for (int i = 0; i < Count(); ++i)
        out.push_back(Get(i));
    return out;
}

void TStrings::Assign(const std::vector<std::string>& lines)
{
    Clear();
    for (const auto& l : lines)
        Add(l);
}

std::string TStrings::Text() const
{
    std::string out;
    for (int i = 0; i < Count(); ++i)
        out += Get(i) + "\r\n";
    return out;
}

void TStrings::CheckIndex(int index, int limit) const
{
    if (index < 0 || index >= limit)
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TStringList::Get(int index) const
{
    CheckIndex(index, Count());
    return items_[static_cast<std::size_t>(index)];
}

void TStringList::Put(int index, const std::string& s)
{
    CheckIndex(index, Count());
    items_[static_cast<std::size_t>(index)] = s;
}

void TStringList::Insert(int index, const std::string& s)
{
    CheckIndex(index, Count() + 1);
    items_.insert(items_.begin() + index, s);
}

void TStringList::Delete(int index)
{
    CheckIndex(index, Count());
    items_.erase(items_.begin() + index);
}

// ---- streams ----

void TStream::ReadBuffer(void* buffer, std::size_t count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError();
}

void TStream::WriteBuffer(const void* buffer, std::size_t count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw Exception("Stream write error");
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count)
{
    const std::size_t n = pos_ >= bytes_.size() ? 0 : std::min(count, bytes_.size() - pos_);
    if (n)
        std::memcpy(buffer, bytes_.data() + pos_, n);
    pos_ += n;
    return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count)
{
    if (pos_ + count > bytes_.size())
        bytes_.resize(pos_ + count);
    if (count)
        std::memcpy(bytes_.data() + pos_, buffer, count);
    pos_ += count;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin)
{
    std::int64_t base = 0;
    if (origin == TSeekOrigin::Current)
        base = static_cast<std::int64_t>(pos_);
    else if (origin == TSeekOrigin::End)
        base = Size();
    const std::int64_t p = base + offset;
    pos_ = static_cast<std::size_t>(std::max<std::int64_t>(p, 0));
    return static_cast<std::int64_t>(pos_);
}

void TMemoryStream::Clear()
{
    bytes_.clear();
    pos_ = 0;
}

void TMemoryStream::SetSize(std::int64_t size)
{
    bytes_.resize(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)));
    pos_ = std::min(pos_, bytes_.size());
}

void TMemoryStream::LoadFromFile(const std::string& path)
{
    bytes_ = ReadWholeFile(path);
    pos_ = 0;
}
