#include "PackCommands.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fnmatch.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

#include "pack/PackWriter.h"
#include "pack/gPack.h"
#include "util/Cp1251.h"
#include "util/Errors.h"
#include "util/Messages.h"
#include "util/uUtils.h"

namespace fs = std::filesystem;

namespace kv {
namespace {

// Shows the core's messages on the tool's error stream while a command runs.
class TScopedMessages {
 public:
  explicit TScopedMessages(std::ostream& err)
      : FOld(SetMessageSink([&err](const std::string& text) { err << Cp1251ToUtf8(text) << '\n'; })) {}
  ~TScopedMessages() { SetMessageSink(std::move(FOld)); }

 private:
  TMessageSink FOld;
};

// Opens the pack through the reader, with the pack's folder as the program's
// folder so that loose files beside it override its members.
bool OpenForTool(const std::string& pack, TPackStreams io) {
  const fs::path path = fs::absolute(pack);
  SetProgramFolder(path.parent_path().string());
  try {
    if (OpenPack(ProgramFolder() + Utf8ToCp1251(path.filename().string()))) return true;
    io.Err << Cp1251ToUtf8(MissingFileMessage(Utf8ToCp1251(pack))) << '\n';
  } catch (const EError& error) {
    io.Err << Cp1251ToUtf8(error.what()) << '\n';
  }
  return false;
}

struct TSourceFile {
  std::string Name;       // member name: Windows-1251, lower-case, '\'
  std::string MatchName;  // the same with '/', for the globs
  fs::path Path;
};

bool MatchesAny(const std::string& name, const std::vector<std::string>& globs) {
  return std::any_of(globs.begin(), globs.end(),
                     [&](const std::string& glob) { return fnmatch(glob.c_str(), name.c_str(), 0) == 0; });
}

// A glob in the form member names are matched in: Windows-1251, lower-case, '/'.
std::string MatchForm(const std::string& utf8) {
  std::string text = LowerCase(Utf8ToCp1251(utf8));
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

std::vector<TSourceFile> CollectFiles(const fs::path& folder, const fs::path& skip, TPackStreams io, bool& ok) {
  std::vector<TSourceFile> files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
       !error && it != end; it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    if (fs::equivalent(it->path(), skip, error)) continue;
    const std::string relative = it->path().lexically_relative(folder).generic_string();
    bool exact = false;
    const std::string cp1251 = Utf8ToCp1251(relative, &exact);
    if (!exact) {
      io.Err << "kvpack: " << it->path().string() << ": the name cannot be written in Windows-1251\n";
      ok = false;
      continue;
    }
    if (cp1251.size() > 255) {
      io.Err << "kvpack: " << it->path().string() << ": the name is longer than 255 bytes\n";
      ok = false;
      continue;
    }
    std::string name = LowerCase(cp1251);
    const std::string match = name;
    std::replace(name.begin(), name.end(), '/', '\\');
    files.push_back(TSourceFile{name, match, it->path()});
  }
  if (error) {
    io.Err << "kvpack: " << folder.string() << ": " << error.message() << '\n';
    ok = false;
  }
  std::sort(files.begin(), files.end(), [](const TSourceFile& a, const TSourceFile& b) { return a.Name < b.Name; });
  return files;
}

// Why a member name may not be written under the target folder, or "".
std::string RefusalOf(const std::string& name) {
  if (name.empty()) return "it has no name";
  if (name.find('\0') != std::string::npos) return "its name holds a NUL byte";
  if (name.size() >= 2 && name[1] == ':') return "it names a drive";
  if (IsPathDelimiter(name[0])) return "it names a path from the root";
  std::string rest = name;
  std::replace(rest.begin(), rest.end(), '/', '\\');
  while (!rest.empty())
    if (SplitFirst(rest, "\\") == "..") return "it climbs out of the folder with ..";
  return {};
}

bool IsSymlink(const fs::path& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// Writes one member below `root`, never following a link that could lead out of it.
bool WriteBelow(const fs::path& root, const std::string& name, const TPack& bytes, std::string& problem) {
  std::vector<std::string> parts;
  std::string rest = name;
  std::replace(rest.begin(), rest.end(), '/', '\\');
  while (!rest.empty()) {
    const std::string part = SplitFirst(rest, "\\");
    if (!part.empty() && part != ".") parts.push_back(Cp1251ToUtf8(part));
  }
  if (parts.empty()) {
    problem = "it names no file";
    return false;
  }
  fs::path path = root;
  std::error_code error;
  for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
    path /= parts[i];
    if (IsSymlink(path)) {
      problem = path.string() + " is a link";
      return false;
    }
    fs::create_directory(path, error);
    if (!fs::is_directory(path)) {
      problem = "cannot create the folder " + path.string();
      return false;
    }
  }
  path /= parts.back();
  if (IsSymlink(path)) ::unlink(path.c_str());
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) {
    problem = "cannot write " + path.string();
    return false;
  }
  std::size_t done = 0;
  while (done < bytes.Size()) {
    const ssize_t wrote = ::write(fd, bytes.Data() + done, bytes.Size() - done);
    if (wrote <= 0) break;
    done += static_cast<std::size_t>(wrote);
  }
  const bool ok = ::close(fd) == 0 && done == bytes.Size();
  if (!ok) problem = "cannot write " + path.string();
  return ok;
}

const char* FaultText(TPackFault fault) {
  switch (fault) {
    case TPackFault::None: return "";
    case TPackFault::Unreadable: return "the file cannot be read";
    case TPackFault::ShortHeader: return "the file is shorter than the 15-byte header";
    case TPackFault::BadSignature: return "the signature is not KVQ";
    case TPackFault::DirectoryOutside: return "the directory offset lies at or past the end of the file";
    case TPackFault::EntryCutShort: return "the last directory entry is cut short by the end of the file";
  }
  return "";
}

}  // namespace

int PackCreate(const std::string& pack, const std::string& folder, const std::vector<std::string>& scrambleGlobs,
               TPackStreams io) {
  if (!fs::is_directory(folder)) {
    io.Err << "kvpack: " << folder << " is not a folder\n";
    return 1;
  }
  bool ok = true;
  const std::vector<TSourceFile> files = CollectFiles(folder, fs::absolute(pack), io, ok);
  if (!ok) return 1;
  if (files.empty()) {
    io.Err << "kvpack: there are no files under " << folder << '\n';
    return 1;
  }
  std::vector<std::string> globs;
  for (const std::string& glob : scrambleGlobs) globs.push_back(MatchForm(glob));
  TPackWriter writer;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (i > 0 && files[i].Name == files[i - 1].Name)
      io.Err << "kvpack: " << files[i - 1].Path.string() << " and " << files[i].Path.string()
             << " have the same member name; the reader takes the later one\n";
    writer.AddFile(files[i].Name, files[i].Path.string(), MatchesAny(files[i].MatchName, globs));
  }
  try {
    writer.Write(pack);
  } catch (const EError& error) {
    io.Err << "kvpack: " << Cp1251ToUtf8(error.what()) << '\n';
    return 1;
  }
  return 0;
}

int PackList(const std::string& pack, TPackStreams io) {
  TScopedMessages messages(io.Err);
  if (!OpenForTool(pack, io)) return 1;
  for (const TData& entry : PackDirectory())
    io.Out << Cp1251ToUtf8(entry.Name) << '\t' << entry.Size << '\t' << entry.Offset << '\t'
           << static_cast<int>(entry.Scrambled) << '\n';
  ClosePack();
  return 0;
}

int PackCat(const std::string& pack, const std::string& name, TPackStreams io) {
  TScopedMessages messages(io.Err);
  if (!OpenForTool(pack, io)) return 1;
  const std::string wanted = Utf8ToCp1251(name);
  TPack bytes;
  const bool found = LoadPackFile(wanted, bytes);
  ClosePack();
  if (!found) {
    io.Err << Cp1251ToUtf8(MissingFileMessage(wanted)) << '\n';
    return 1;
  }
  io.Out.write(bytes.Data(), static_cast<std::streamsize>(bytes.Size()));
  return io.Out ? 0 : 1;
}

int PackExtract(const std::string& pack, const std::string& folder, TPackStreams io) {
  TScopedMessages messages(io.Err);
  if (!OpenForTool(pack, io)) return 1;
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder)) {
    io.Err << "kvpack: cannot create the folder " << folder << '\n';
    ClosePack();
    return 1;
  }
  int status = 0;
  const std::vector<TData>& directory = PackDirectory();
  for (std::size_t i = 0; i < directory.size(); ++i) {
    const std::string& name = directory[i].Name;
    std::string problem = RefusalOf(name);
    TPack bytes;
    if (problem.empty()) {
      ReadMember(static_cast<int>(i), bytes);
      WriteBelow(folder, name, bytes, problem);
    }
    if (!problem.empty()) {
      io.Err << "kvpack: member " << Cp1251ToUtf8(name) << " skipped: " << problem << '\n';
      status = 1;
    }
  }
  ClosePack();
  return status;
}

int PackVerify(const std::string& pack, TPackStreams io) {
  const TPackDirectory directory = ReadPackDirectory(pack);
  int problems = 0;
  if (directory.Fault != TPackFault::None) {
    io.Out << pack << ": " << FaultText(directory.Fault) << '\n';
    ++problems;
  }
  for (const TData& entry : directory.Entries) {
    const std::string name = Cp1251ToUtf8(entry.Name);
    const long long end = static_cast<long long>(entry.Offset) + entry.Size;
    if (entry.Size < 0 || entry.Offset < 0 || static_cast<unsigned long long>(end) > directory.FileSize) {
      io.Out << pack << ": member " << name << " (offset " << entry.Offset << ", size " << entry.Size
             << ") does not lie inside the file of " << directory.FileSize << " bytes\n";
      ++problems;
    }
    if (LowerCase(entry.Name) != entry.Name)
      io.Out << pack << ": note: member " << name << " has upper-case letters; the player never finds it\n";
  }
  if (problems == 0) io.Out << pack << ": sound, " << directory.Entries.size() << " members\n";
  return problems == 0 ? 0 : 1;
}

}  // namespace kv
