// Path, string and value helpers shared by every part of the player.
// Texts are Windows-1251; course paths use '\'; positions are 1-based where a
// function speaks of positions.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kv {

using TColor = std::uint32_t;  // 0x00BBGGRR, red in the low byte

// --- Folders and paths ---------------------------------------------------

// The course folder stands where the program's folder stood: every file "in
// the program's folder" is looked up there. `nativePath` is a path of this file
// system (UTF-8). Until it is set, the folder of the running executable is used.
void SetProgramFolder(const std::string& nativePath);

// The program's folder in course text (Windows-1251), ending in a separator.
std::string ProgramFolder();

// The program's folder as this file system spells it (UTF-8), ending in '/'.
std::string NativeProgramFolder();

// A full path: a drive letter ("C:...") or an absolute path of this file system ("/...").
bool IsFullPath(const std::string& path);

// '\' or '/'.
bool IsPathDelimiter(char c);

std::string ProgramPath(const std::string& path);
std::string ResolvePath(const std::string& path, const std::string& baseFolder);
std::string IncludeBackslash(const std::string& path);
std::string ExcludeBackslash(const std::string& path);
std::string AddSuffixBeforeExt(const std::string& fileName, const std::string& suffix);

// A full path without its first `count` characters (the folder it is taken to
// lie below), in course form: an absolute path of this file system has its
// '/' turned into '\' in the part that is left.
std::string DropFolderPrefix(const std::string& path, std::size_t count);

// The folder part of a path up to and including its last separator ("" when none).
std::string ExtractFilePath(const std::string& path);

// --- Splitting -----------------------------------------------------------

std::string SplitFirst(std::string& text, const std::string& separator);
std::string SplitLast(std::string& text, const std::string& separator);
int LastPos(const std::string& sub, const std::string& text);
std::string HeadBefore(const std::string& text, const std::string& separator);
std::string TakeChars(std::size_t count, std::string& text);

// --- Values --------------------------------------------------------------

// Removes leading and trailing characters with codes 0 to 32.
std::string Trim(const std::string& text);

// Decimal with an optional sign, or hexadecimal after '$' or "0x"; anything
// else raises EConvertError.
int StrToInt(const std::string& text);

bool ParseBool(const std::string& text, bool defaultValue);
std::string BoolText(bool value);
std::string SwapRgb(const std::string& text);
TColor ParseColor(const std::string& text);
bool IsEven(long long value);

// --- Texts ---------------------------------------------------------------

std::string ShortenText(const std::string& text, std::size_t n);
std::string CollapseSpaces(const std::string& text);

// Index of the first entry from `start` that contains `text` (or begins with
// it when `prefixOnly`), ignoring case; -1 when none. `progress`, when given,
// receives the index after each entry examined.
int FindInList(const std::vector<std::string>& list, const std::string& text, int start,
               const std::function<void(int)>& progress, bool prefixOnly);

}  // namespace kv
