#pragma once
// Saving files that belong together (a data file, its channel file and its test data file) so
// that they are replaced all or none, also when the program is killed or the power fails in
// the middle of a save.
//
// The new contents are first written beside their targets and flushed to disk, with a copy of
// every file they replace. A commit record beside the first file then marks the save as
// decided, the renames follow, and the record goes. A failure on the way puts the previous
// files back; a save cut short is finished (or undone, when it was being undone) the next time
// the set is opened or saved, by RecoverFileSet.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace rp70 {

/// One file of a set: where it goes and what it will hold.
struct FileWrite {
    std::filesystem::path Target;
    std::string Bytes;
};

/// Called before every step of a save that changes something on disk (each write, flush to the
/// disk, rename and removal), numbered from 0; returning false makes that step fail. Tests fail
/// (or, by throwing, abandon) a save at each step in turn this way.
using SaveStepHook = std::function<bool(int step)>;

/// Replaces every target of `files` with its bytes, all of them or none. The targets share one
/// folder, which must exist; a target may not be a folder or another special file, nor a file
/// whose permissions forbid writing it. Symbolic links are not followed here (see LinkTarget).
/// Returns false on any failure, with every target as it was; only when a second failure stops
/// the undo of the first is the save finished instead (now, or by the next RecoverFileSet).
bool SaveFileSet(const std::vector<FileWrite>& files, const SaveStepHook& hook = {});

/// Finishes or undoes a save of the set whose first file is `first` that was cut short, so the
/// set is whole again; nothing to do when no save was cut short. Returns false when a save was
/// cut short and could not be resolved yet (its files are then left for the next attempt).
bool RecoverFileSet(const std::filesystem::path& first, const SaveStepHook& hook = {});

/// The file a path finally names when it is a symbolic link (links followed as far as they
/// lead); the path itself otherwise.
std::filesystem::path LinkTarget(const std::filesystem::path& file);

} // namespace rp70
