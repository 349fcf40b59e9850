#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CDirSpec;
struct CDirEntry;

// Walks the entries of one folder, "." and ".." included. The order is fixed,
// whatever the file system's own order: names compared with ASCII letters folded
// to upper case, byte by byte; names equal that way in plain byte order. So one
// folder always packs to the same bytes on every machine.
class CDirIterator {
public:
    // Nothing is read until Open() or the first Next().
    explicit CDirIterator(const CDirSpec& folder);
    ~CDirIterator();

    CDirIterator(const CDirIterator&) = delete;
    CDirIterator& operator=(const CDirIterator&) = delete;

    // Reads the folder's names now, so files made from here on are not listed;
    // false when the folder cannot be read. Next() calls it when nobody did.
    bool Open();
    // A new entry record (the caller owns it) for the next entry, or null at the
    // end and for a folder that cannot be read. An entry that vanished since the
    // folder was read is passed over.
    CDirEntry* Next();
    // Ends the listing; Next() answers null from then on. The destructor calls it.
    void Close();
    // How many entries Next() has returned.
    int32_t GetCount() const { return mCount; }

    // The listing order: true when `a` comes before `b`.
    static bool ComesBefore(std::string_view a, std::string_view b);

private:
    enum class EState { kNotStarted, kOpen, kUnreadable, kClosed };

    void Start();

    std::string mFolder;
    std::vector<std::string> mNames;
    size_t mNext = 0;
    int32_t mCount = 0;
    EState mState = EState::kNotStarted;
};
