// The one way a settings file, set-up file or saved report fails to be read or written: a
// RuntimeError(PathFileAccess) that also names the file and the reason, told to the user as
// "what: reason.\nFile: path".
#pragma once

#include "tools/Errors.h"

#include <QString>

#include <utility>

namespace kesta {

// The reason behind a system error number, for the user: "the disk is full", "permission
// denied", ...; otherwise the system's own text, starting in lower case.
QString ReasonOf(int error);

// Why a file of this type (st_mode) is not read as a file: "it is a folder", "it is a named
// pipe", "it is a device", "it is a socket".
QString NotARegularFileReason(unsigned mode);

class FileError : public RuntimeError {
  public:
    FileError(QString path, QString reason)
        : RuntimeError(ErrorKind::PathFileAccess), path_(std::move(path)),
          reason_(std::move(reason)) {}
    const QString& path() const { return path_; }
    const QString& reason() const { return reason_; }

  private:
    QString path_;
    QString reason_;
};

// The message of every failed read or write: `what` ("The set-up could not be saved"), the
// reason and the file, after `label`.
QString FileMessage(const QString& what, const QString& path, const QString& reason,
                    const QString& label = QStringLiteral("File"));
QString FileMessage(const QString& what, const FileError& error,
                    const QString& label = QStringLiteral("File"));

} // namespace kesta
