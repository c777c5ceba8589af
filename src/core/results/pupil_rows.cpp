// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/pupil_rows.h"

#include <utility>

#include "results/results_file.h"
#include "results/results_source.h"

namespace calquin::results {
namespace {

// The pupil part of a results file's name: what comes before the '@', which resultsFileName
// writes escaped inside a name.
std::string_view pupilPart(std::string_view fileName) {
    return fileName.substr(0, fileName.find('@'));
}

// The file's name as the server has it. smbnetfs, the SMB client through FUSE, shows a name's '@'
// as "%40", as in the smb:// addresses it builds; a results file's name holds a literal '@'
// everywhere else. The last one parts pupil and computer: a host name holds no '@'.
std::string nameOnTheServer(std::string_view shown) {
    if (shown.find('@') == std::string_view::npos) {
        if (const std::size_t at = shown.rfind("%40"); at != std::string_view::npos) {
            std::string name(shown.substr(0, at));
            name += '@';
            name += shown.substr(at + 3);
            return name;
        }
    }
    return std::string(shown);
}

FileTally unreadable(const std::string& reason) {
    FileTally tally;
    tally.unreadable = reason;
    return tally;
}

}  // namespace

void Place::add(std::int64_t more, const std::string& inFile, std::int64_t atLine) {
    if (more > 0 && count == 0) {
        file = inFile;
        line = atLine;
    }
    count += more;
}

void FolderTally::add(const FileTally& file, const std::string& name) {
    if (file.unreadable) {
        if (filesUnreadable++ == 0) {
            firstUnreadableFile = name;
            firstUnreadableReason = *file.unreadable;
        }
        return;
    }
    if (!file.isResultsFile) {
        foreignFiles.add(1, name, 0);
        return;
    }
    ++filesRead;
    skipped.add(file.skipped, name, file.firstSkippedLine);
    otherPupils.add(file.otherRows, name, file.firstOtherLine);
}

void FolderTally::addLater(const FolderTally& later) {
    filesRead += later.filesRead;
    skipped.add(later.skipped.count, later.skipped.file, later.skipped.line);
    otherPupils.add(later.otherPupils.count, later.otherPupils.file, later.otherPupils.line);
    foreignFiles.add(later.foreignFiles.count, later.foreignFiles.file, later.foreignFiles.line);
    if (filesUnreadable == 0) {
        firstUnreadableFile = later.firstUnreadableFile;
        firstUnreadableReason = later.firstUnreadableReason;
    }
    filesUnreadable += later.filesUnreadable;
}

PupilRowsReader::PupilRowsReader(FileOrigin origin, ResultsReader::OnRow onOwnRow)
    : origin_(std::move(origin)),
      servedName_(nameOnTheServer(origin_.name)),
      onOwnRow_(std::move(onOwnRow)),
      reader_([this](const RowView& row) {
          if (isOwnRow(row)) {
              onOwnRow_(row);
          } else if (otherRows_++ == 0) {
              firstOtherLine_ = row.line;
          }
      }) {}

bool PupilRowsReader::isOwnRow(const RowView& row) {
    if (!trustedPupil_.empty() && row.pupil == trustedPupil_) {
        return true;
    }
    const bool own =
        pupilPart(resultsFileName(row.pupil, row.computer)) == pupilPart(servedName_) &&
        (!origin_.owner || *origin_.owner == row.pupil);
    if (own) {
        trustedPupil_ = row.pupil;
    }
    return own;
}

FileTally PupilRowsReader::finish() {
    const ReadOutcome outcome = reader_.finish();
    FileTally tally;
    tally.isResultsFile = outcome.isResultsFile;
    tally.skipped = outcome.skipped;
    tally.firstSkippedLine = outcome.firstSkippedLine;
    tally.otherRows = otherRows_;
    tally.firstOtherLine = firstOtherLine_;
    return tally;
}

FileTally readPupilFile(const std::filesystem::path& path, const ResultsReader::OnRow& onOwnRow) {
    ResultsSource source(path);
    if (source.problem()) {
        return unreadable(*source.problem());
    }
    if (!source.isPlainFile()) {
        return {};
    }
    PupilRowsReader rows({path.filename().string(), source.otherOwner()}, onOwnRow);
    const auto problem = source.readInto(rows.reader());
    FileTally tally = rows.finish();
    return problem ? unreadable(*problem) : tally;
}

FileTally readPupilFile(std::string_view bytes, const FileOrigin& origin,
                        const ResultsReader::OnRow& onOwnRow) {
    PupilRowsReader rows(origin, onOwnRow);
    rows.reader().feed(bytes);
    return rows.finish();
}

}  // namespace calquin::results
