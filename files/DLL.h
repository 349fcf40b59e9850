#pragma once

class CFileSpec;

// A loaded shared library. The library stays loaded until Close() or the
// destructor; addresses found in it are valid until then.
class CDLL {
public:
    CDLL() = default;
    ~CDLL();

    CDLL(const CDLL&) = delete;
    CDLL& operator=(const CDLL&) = delete;

    // Loads the library file, closing one loaded before. XFileNotFound when there
    // is no such file, XBase when it cannot be loaded.
    void Open(const CFileSpec& file);
    // The address of the exported function; XBase when the library has none by
    // that name or no library is loaded.
    void* GetFunction(const char* name) const;
    void Close();
    bool IsOpen() const { return mLibrary != nullptr; }

private:
    void* mLibrary = nullptr;
};
