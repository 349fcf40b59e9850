#include "files/DLL.h"
#include "files/FileSpec.h"
#include "media/XBase.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <dlfcn.h>
#include <string>

namespace {

// The file the C maths library was loaded from, as the dynamic loader knows it.
std::string MathLibraryPath()
{
    Dl_info info {};
    double (*cosine)(double) = std::cos;
    if (dladdr(reinterpret_cast<void*>(cosine), &info) == 0 || info.dli_fname == nullptr)
        return {};
    return info.dli_fname;
}

} // namespace

TEST(DLLTest, LoadsASystemLibraryAndFindsAFunction)
{
    const std::string path = MathLibraryPath();
    ASSERT_NE(path.find("libm"), std::string::npos) << path;
    CDLL library;
    EXPECT_FALSE(library.IsOpen());
    library.Open(CFileSpec(path.c_str()));
    EXPECT_TRUE(library.IsOpen());
    auto* cosine = reinterpret_cast<double (*)(double)>(library.GetFunction("cos"));
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
    EXPECT_THROW(library.GetFunction("no_such_function_here"), XBase);

    library.Close();
    EXPECT_FALSE(library.IsOpen());
    EXPECT_THROW(library.GetFunction("cos"), XBase);
}

TEST(DLLTest, MissingAndUnloadableFiles)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    CDLL library;
    EXPECT_THROW(library.Open(CFileSpec((folder / "libmissing.so").c_str())), XFileNotFound);
    folder.WriteFile("libfake.so", "this is no shared object");
    try {
        library.Open(CFileSpec((folder / "libfake.so").c_str()));
        ADD_FAILURE() << "a text file loaded as a library";
    } catch (const XFileNotFound&) {
        ADD_FAILURE() << "the file exists";
    } catch (const XBase&) {
    }
    EXPECT_FALSE(library.IsOpen());
}
