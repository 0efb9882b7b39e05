#pragma once
// The screen's mouse pointer: the hourglass while a command or file action runs.
namespace posmod {

class MousePointer {
public:
    virtual ~MousePointer() = default;
    virtual void setHourglass(bool on) = 0;
};

// Shows the hourglass for its lifetime, so every way out restores the pointer.
class Hourglass {
public:
    explicit Hourglass(MousePointer* p) : p_(p)
    {
        if (p_) p_->setHourglass(true);
    }
    ~Hourglass()
    {
        if (p_) p_->setHourglass(false);
    }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    MousePointer* p_;
};

} // namespace posmod
