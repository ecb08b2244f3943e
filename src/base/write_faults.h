#pragma once

#include <QtGlobal>

#include <vector>

namespace montora {

// A process-wide plan of failing writes, for tests: every write, shortening and
// sync of a PosixFile and every rename of AtomicFile asks it first. Unless a test
// arms a plan it answers "go ahead" at the cost of one atomic load, so the seams
// stay in the program and the tests prove what the program itself does when a
// disk fills up, a sync reports an error or a rename is refused.
class WriteFaults {
public:
    struct Plan {
        // The disk has room for this many more bytes; -1: no limit. As on a real
        // full disk only bytes that lengthen a file take room: the write that
        // needs more writes what fits and fails with ENOSPC, while writing over
        // bytes a file already has keeps working.
        qint64 failAfterBytes = -1;
        int failWrite = 0;  // the n-th write (from 1) fails with EIO, writing nothing; 0: none
        int failSync = 0;   // the n-th sync (from 1) fails with EIO; 0: none
        int failRename = 0; // the n-th rename (from 1) fails with EIO; 0: none
        // After the first failure everything fails, clean-up included: what is
        // left on the disk is what a crash or a power cut at that point leaves.
        bool stopAtFailure = false;
    };

    // What happened since the plan was armed.
    struct Tally {
        std::vector<qint64> writes; // by how much each write lengthened its file
        int syncs = 0;
        int renames = 0;
        bool failed = false; // the plan made something fail
        qint64 bytes() const;
    };

    // Arming an empty plan only counts.
    static void arm(const Plan& plan);
    static void disarm();
    static Tally tally();

    // The seams. Each gives 0 to go ahead or the errno to fail with; a write of
    // `wanted` bytes at `offset` to descriptor `fd` is told how many of them may
    // reach the file before it fails.
    static int beforeWrite(int fd, qint64 offset, qint64 wanted, qint64* allowed);
    static int beforeTruncate();
    static int beforeSync();
    static int beforeRename();
};

} // namespace montora
