#pragma once

// What the halves of FileIo that speak to the system (FileIoPosix.cpp,
// FileIoWindows.cpp) share with what is the same everywhere (FileIo.cpp). Not
// for use outside files/.

#include <cstdint>
#include <string>

#include "data/Phrase.h"
#include "data/Result.h"
#include "files/FileIo.h"

namespace q5300 {

// Why a file is refused, in the same words on every system; %1 is the system's
// own reason where there is one. Phrases without a full stop, which Failure
// makes sentences of.
inline constexpr char kIoCouldNotCreate[] =
    Q5300_TEXT("q5300", "the file could not be created: %1");
inline constexpr char kIoCouldNotWrite[] = Q5300_TEXT("q5300", "the file could not be written: %1");
inline constexpr char kIoCouldNotReplace[] =
    Q5300_TEXT("q5300", "the file could not be replaced: %1");
inline constexpr char kIoCouldNotOpen[] = Q5300_TEXT("q5300", "the file could not be opened");
inline constexpr char kIoLinkToNothing[] =
    Q5300_TEXT("q5300", "it is a link to a file that does not exist");
inline constexpr char kIoLinkNotFollowed[] = Q5300_TEXT("q5300", "the link cannot be followed: %1");
inline constexpr char kIoReadOnly[] =
    Q5300_TEXT("q5300", "the file is read-only; it was left as it was");
inline constexpr char kIoMayNotChange[] =
    Q5300_TEXT("q5300", "this user may not change the file; it was left as it was");
inline constexpr char kIoCannotChange[] =
    Q5300_TEXT("q5300", "the file cannot be changed: %1; it was left as it was");
inline constexpr char kIoNamesAFolder[] =
    Q5300_TEXT("q5300", "the path names a folder, not a file");
inline constexpr char kIoNotAFile[] = Q5300_TEXT("q5300", "it is %1, not a file");
inline constexpr char kIoLinkNotToAFile[] =
    Q5300_TEXT("q5300", "it is a link to %1, not to a file");
inline constexpr char kIoNotUtf8[] = Q5300_TEXT("q5300", "the name is not valid UTF-8");
// What a name holds that is not a regular file.
inline constexpr char kIoAFolder[] = Q5300_TEXT("q5300", "a folder");
inline constexpr char kIoAPipe[] = Q5300_TEXT("q5300", "a pipe");
inline constexpr char kIoADevice[] = Q5300_TEXT("q5300", "a device");
inline constexpr char kIoASocket[] = Q5300_TEXT("q5300", "a socket");
inline constexpr char kIoSomethingElse[] = Q5300_TEXT("q5300", "something else");

}  // namespace q5300

namespace q5300::fileio {

// The text of an errno value, in the system's words.
Phrase Reason(int code);

// A phrase as the operator's message, a sentence of its own.
Message Failure(Phrase phrase);

// A name for a new temporary file: short, fixed in length and random, so that
// any folder's name length allows it and two saves seldom try the same name.
std::string NewTemporaryName();

// ---- Each system defines these ----------------------------------------------------

// A number that differs between processes running at once, to seed the names.
uint64_t ProcessNumber();

// OpenRegularFile, with the system's code of the failure for the diagnostic line.
Result<FilePtr> OpenChecked(const std::string& path, int& code);

}  // namespace q5300::fileio
