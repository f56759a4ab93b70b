#pragma once

namespace orva {

// Takes a wizard's moves over while a mode of it is on (the reporter's, where a young person
// or a parent answers alone and only some pages may be reached). Back and Next return true
// when they took the move; Cancel returns true when the wizard may close at once, false when
// it stays open.
class MoveOverride {
public:
    virtual ~MoveOverride() = default;
    virtual bool Back() = 0;
    virtual bool Next() = 0;
    virtual bool Cancel() = 0;
};

}  // namespace orva
