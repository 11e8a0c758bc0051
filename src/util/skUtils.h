// Helpers the interpreter and the controls share for command arguments,
// alignment words and HTML page frames.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kv {

enum class TAlignment { Left, Right, Center };
enum class TControlAlign { None, Top, Bottom, Left, Right, Client, Custom };

// Puts a control's current value into its command template: every "insert"
// becomes the argument; when there is none and `append`, "*" and the argument
// are appended. An empty template gives an empty command.
std::string InsertArgument(const std::string& templ, const std::string& argument, bool append);

// Asks the user for a file (filter such as "*.txt"); empty when cancelled.
using TFileAsker = std::function<std::string(const std::string& filter)>;

// Installs the dialog that open_file(...) arguments use; returns the old one.
// Without one, such an argument reads as empty.
TFileAsker SetFileAsker(TFileAsker asker);

// The argument at `index` as written (empty past the end); an argument
// open_file(EXT) is replaced by the file the user picks with the filter "*EXT".
std::string CommandArgument(const std::vector<std::string>& args, std::size_t index);

// The n-th (1-based) field of a text whose fields are separated by "*".
std::string FieldOf(const std::string& text, int n);

TAlignment AlignmentOf(const std::string& word);
TControlAlign ControlAlignOf(const std::string& word);

// A full path without the program's folder in front (the prefix is not compared).
std::string StripProgramFolder(const std::string& path);

void OpenHtmlPage(std::vector<std::string>& lines, const std::string& bodyAttributes);
void CloseHtmlPage(std::vector<std::string>& lines);

}  // namespace kv
