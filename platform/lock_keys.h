#pragma once

namespace skelvora {

struct LockState {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The toggle state of Caps, Num and Scroll Lock.
class LockKeys {
public:
    virtual ~LockKeys() = default;
    virtual LockState state() const = 0;
};

// The X11 keyboard indicators; all off where there is no X11 display.
class SystemLockKeys : public LockKeys {
public:
    LockState state() const override;
};

class ScriptedLockKeys : public LockKeys {
public:
    LockState current;
    LockState state() const override { return current; }
};

} // namespace skelvora
