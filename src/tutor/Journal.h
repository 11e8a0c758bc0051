// The pupil's journal: an HTML page of exam results kept in the user's data
// folder, made from the course's empty journal page.
#pragma once

#include <string>

namespace kv {

class TTutorScreen;
struct TDate;

class TJournal {
 public:
  TJournal(TTutorScreen& screen, const TDate& options);

  // The user's data folder, "\", dir_journal, "\".
  std::string Folder() const;
  std::string File() const { return Folder() + "Journal.htm"; }
  bool Exists() const;

  // The journal, or the course's empty journal page while the pupil has none.
  void Show();
  // Replaces the journal by the empty page and shows it. The old journal is
  // replaced only once the new one is written in full; a failed write is
  // reported and keeps it.
  void Clear();
  // Adds a row where the journal's "<insert>" marker stands, starting the
  // journal from the empty page when the pupil has none. A journal without
  // the marker, or a failed write, is reported and the journal stays as it was.
  bool AppendRow(const std::string& row);

 private:
  // Writes the journal beside the old one and puts it in place only when complete.
  bool Write(const std::string& text);

  TTutorScreen& FScreen;
  const TDate& FOptions;
};

// The course's empty journal page.
constexpr const char* kJournalTemplate = "content\\Journal.htm";

}  // namespace kv
