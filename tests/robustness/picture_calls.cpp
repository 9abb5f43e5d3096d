// SavePicture with paths a program might pass: a file in a scratch folder
// of the engine's own (written over and over), a missing folder, a path that
// names a folder, an empty one. Whatever the status, no temporary may stay
// beside the file, and a success leaves the file.
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

#include <lumenbox/graph.h>

#include "robustness/call_text.h"
#include "robustness/library_calls.h"

namespace lumenbox::robustness {

namespace {

namespace fs = std::filesystem;

// The process's scratch folder, made at the first save and removed when the
// process ends.
class ScratchFolder {
public:
    ScratchFolder() : path_(fs::temp_directory_path() / ("lumenbox-robustness-" + std::to_string(::getpid()))) {
        std::error_code error;
        fs::create_directories(path_, error);
    }
    ~ScratchFolder() {
        std::error_code error;
        fs::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

const fs::path& Scratch() {
    static const ScratchFolder folder;
    return folder.Path();
}

std::string ChoosePath(ChoiceSource& choices) {
    switch (choices.Below(8)) {
    case 0: return (Scratch() / "missing" / "picture.png").string();
    case 1: return Scratch().string();
    case 2: return "";
    default: return (Scratch() / "picture.png").string();
    }
}

// What the scratch folder must hold after a save: the picture after a
// success (or one left by an earlier success), never anything else.
std::string CheckScratch(bool saved) {
    std::error_code error;
    bool picture = false;
    for (fs::directory_iterator it(Scratch(), error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name == "picture.png") {
            picture = true;
            continue;
        }
        return "the scratch folder holds " + name + " after the save";
    }
    return saved && !picture ? "status 0, yet no picture was written" : "";
}

}  // namespace

CallOutcome SavePictureCall(ChoiceSource& choices) {
    const std::string path = ChoosePath(choices);
    SavePicture(path);
    const bool saved = GraphState.GraphStatus.load() == StatusOk;
    return CallOutcome{Call::SavePicture, CallText("SavePicture", path), CheckScratch(saved)};
}

}  // namespace lumenbox::robustness
