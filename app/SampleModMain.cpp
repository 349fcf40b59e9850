// Writes a small mod file with our own writer, so a fresh build has a mod to look at.
#include "app/ModInfo.h"
#include "app/ModWriter.h"
#include "media/OpenFile.h"
#include "media/XBase.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    InstallOutOfMemoryHandler();
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.tdm\n", argv[0]);
        return 2;
    }
    try {
        COpenFile target(argv[1], "TDM ", "Tdrl");
        CModWriter writer(target);
        const char song[] = "a demo song of 29 bytes here.";
        writer.AddComponent("Demo.tds", song, sizeof song - 1);
        CModInfo info;
        std::strcpy(info.GetModName(), "Sample Mod");
        std::strcpy(info.GetComments(), "Made by the build.\r\nTwo lines.");
        std::strcpy(info.GetWwwAddress(), "http://example.com/mods/");
        writer.Finish(info);
    } catch (const XBase&) {
        std::fprintf(stderr, "%s: %s cannot be written\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
