#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "document/regellijst.h"

namespace plovena {

// How the file was stored on disk; saving writes it back the same way.
enum class Codering {
  Bytes,          // no byte-order mark: lines are the file's bytes, whatever the code page
  Utf8Bom,        // UTF-8 with its mark; lines are the bytes after the mark
  Utf16LeBom,     // UTF-16 little endian with mark; lines are held as UTF-8
  Utf16BeBom,     // UTF-16 big endian with mark; lines are held as UTF-8
  Utf16Le,        // UTF-16 little endian recognised without mark ('0' 00)
  Utf16Be,        // UTF-16 big endian recognised without mark (00 '0')
};

// The working document: the file's lines and how to write them back.
struct Werkbestand : Regellijst {
  Codering codering = Codering::Bytes;
};

// Outcome of a file operation: empty when it went well, else a Dutch text naming the file and
// the reason, fit to show the user as it is.
struct BestandsFout {
  std::string tekst;
  explicit operator bool() const noexcept { return !tekst.empty(); }
};

// Splits the bytes of a file into a working document (mark and encoding recognised).
// Fails only on malformed UTF-16; the text of the error does not name a file.
BestandsFout Ontleed(std::string bytes, Werkbestand& doel);

// The bytes that saving writes: every line followed by CR LF, in the document's encoding.
std::string NaarBytes(const Werkbestand& wb);

// Reads a file into doel; on failure doel is left as it was.
BestandsFout Laad(const std::filesystem::path& pad, Werkbestand& doel);

// Writes the document atomically: a temporary file beside the target is renamed over it, so a
// failed save leaves the old file intact. Permission bits of a replaced file are kept, a
// symbolic link is followed, and a target that is no regular file (a device, a FIFO) is
// written directly.
BestandsFout Bewaar(const Werkbestand& wb, const std::filesystem::path& pad);

// The same for any bytes (reports are saved this way).
BestandsFout BewaarBytes(std::string_view bytes, const std::filesystem::path& pad);

// The file-name part of a path as the user chose it ("C:\Gen\a.ged" and "/x/a.ged" alike).
std::string Bestandsnaamdeel(std::string_view pad);

}  // namespace plovena
