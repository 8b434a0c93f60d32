// Marks a change the program makes to a control itself, so the control's
// signal handlers do not take it for the user's: the flag is set for the
// guard's lifetime and gets its previous value back after, so nested changes
// (and one that throws) leave it as they found it.
//
//   ProgrammaticChange guard(programmatic_);
#pragma once

class ProgrammaticChange {
public:
    explicit ProgrammaticChange(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~ProgrammaticChange() { flag_ = previous_; }
    ProgrammaticChange(const ProgrammaticChange&) = delete;
    ProgrammaticChange& operator=(const ProgrammaticChange&) = delete;

private:
    bool& flag_;
    const bool previous_;
};
