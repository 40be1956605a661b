#include "support/archive_folder.h"

#include "support/temp_dir.h"

namespace korvane::testing {

namespace fs = std::filesystem;

const std::vector<ArchiveDesign>& ArchiveDesigns() {
    static const std::vector<ArchiveDesign> designs = {
        {"up.k2d", "up.K2P: is a symbolic link to", false, 3, "outside its folder"},
        {"absolute.k2d", "absolute.htm: is a symbolic link to", false, 3, "outside its folder"},
        {"to-folder.k2d", "to-folder.K2P: is a symbolic link to", false, 3, "outside its folder"},
        {"dangling.k2d", "dangling.htm: is a symbolic link to", false, 3, "outside its folder"},
        {"loop.k2d", "loop.K2P: is a loop of symbolic links", false, 3, "loop of symbolic links"},
        {"kept.k2d", "", true, 0, ""},
        {"notes.k2d", "notes.K2N: is a symbolic link to", true, 0, "notes are left out"},
        {"away.k2d", "away.k2d - skipped: is a symbolic link to", false, 0, ""},
        {"gone.k2d", "gone.k2d - skipped: the file does not exist", false, 3, "does not exist"},
        {"circle.k2d", "circle.k2d - skipped: is a loop", false, 3, "symbolic links"},
        {"folder.k2d", "folder.k2d - skipped: is a folder", false, 3, "is a folder"},
    };
    return designs;
}

void BuildArchiveFolder(const fs::path& root, const std::string& design_file) {
    const fs::path outside = root / "outside";
    const fs::path fleet = root / "fleet";
    fs::create_directories(outside);
    fs::create_directories(fleet / "folder.k2d");
    WriteText(outside / ".bashrc", "echo welcome\n");
    WriteText(outside / "id_rsa", "PRIVATE KEY 0123\n");
    WriteText(outside / "page.htm", "the outside page\n");
    WriteText(outside / "index.htm", "the outside index\n");
    WriteText(outside / "away.k2d", design_file);
    for (const char* name : {"up", "absolute", "to-folder", "dangling", "loop", "kept", "notes"}) {
        WriteText(fleet / (std::string(name) + ".k2d"), design_file);
    }
    WriteText(fleet / "kept-profile.txt", "");
    fs::create_symlink("../outside/.bashrc", fleet / "up.K2P");
    fs::create_symlink(fs::absolute(outside / "page.htm"), fleet / "absolute.htm");
    fs::create_symlink("../outside", fleet / "to-folder.K2P");
    fs::create_symlink("../outside/made.htm", fleet / "dangling.htm");
    fs::create_symlink("loop.K2P", fleet / "loop.K2P");
    fs::create_symlink("kept-profile.txt", fleet / "kept.K2P");
    fs::create_symlink("../outside/id_rsa", fleet / "notes.K2N");
    fs::create_symlink("../outside/away.k2d", fleet / "away.k2d");
    fs::create_symlink("nothing.k2d", fleet / "gone.k2d");
    fs::create_symlink("circle.k2d", fleet / "circle.k2d");
    fs::create_symlink("../outside/index.htm", fleet / "index.htm");
}

std::map<std::string, std::string> FilesBelow(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        // Only regular files are read: opening a named pipe would wait for a writer.
        files[entry.path().string()] = entry.is_symlink()        ? "link"
                                       : entry.is_regular_file() ? ReadText(entry.path())
                                                                 : "not a regular file";
    }
    return files;
}

}  // namespace korvane::testing
