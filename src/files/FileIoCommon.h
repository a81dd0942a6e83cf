#pragma once

// What the halves of FileIo that speak to the system (FileIoPosix.cpp,
// FileIoWindows.cpp) share with what is the same everywhere (FileIo.cpp). Not
// for use outside files/.

#include <cstdint>
#include <string>

#include "data/Result.h"
#include "files/FileIo.h"

namespace q5300::fileio {

// The text of an errno value.
std::string Reason(int code);

// A phrase as a sentence of its own.
std::string Sentence(std::string phrase);

// A phrase as the operator's message.
Message Failure(const std::string& phrase);

// Why a save is refused, in the same words on every system.
inline constexpr char kLinkToNothing[] = "it is a link to a file that does not exist";
inline constexpr char kLinkNotFollowed[] = "the link cannot be followed: ";
inline constexpr char kReadOnly[] = "the file is read-only; it was left as it was";
inline constexpr char kMayNotChange[] = "this user may not change the file; it was left as it was";
inline constexpr char kCannotChange[] = "the file cannot be changed: ";
inline constexpr char kLeftAsItWas[] = "; it was left as it was";
inline constexpr char kNamesAFolder[] = "the path names a folder, not a file";

// A name for a new temporary file: short, fixed in length and random, so that
// any folder's name length allows it and two saves seldom try the same name.
std::string NewTemporaryName();

// ---- Each system defines these ----------------------------------------------------

// A number that differs between processes running at once, to seed the names.
uint64_t ProcessNumber();

// OpenRegularFile, with the system's code of the failure for the diagnostic line.
Result<FilePtr> OpenChecked(const std::string& path, int& code);

}  // namespace q5300::fileio
