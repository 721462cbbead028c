#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "document/regellijst.h"

namespace plovena {

// How the file was stored on disk; saving writes it back the same way.
enum class Codering {
  Bytes,       // no byte-order mark: lines are the file's bytes, whatever the code page
  Utf8Bom,     // UTF-8 with its mark; lines are the bytes after the mark
  Utf16LeBom,  // UTF-16 little endian with mark; lines are held as UTF-8
  Utf16BeBom,  // UTF-16 big endian with mark; lines are held as UTF-8
  Utf16Le,     // UTF-16 little endian recognised without mark ('0' 00)
  Utf16Be,     // UTF-16 big endian recognised without mark (00 '0')
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
// Fails only on malformed UTF-16 (an odd number of bytes, a lone surrogate) or when memory
// runs out; the text of the error does not name a file, and doel is then left as it was.
BestandsFout Ontleed(std::string bytes, Werkbestand& doel);

// The bytes that saving writes: every line followed by CR LF, in the document's encoding.
std::string NaarBytes(const Werkbestand& wb);

// Reads a file into doel; on failure doel is left as it was. Errors read like
// Kan "PAD" niet lezen: het bestand bestaat niet.
BestandsFout Laad(const std::filesystem::path& pad, Werkbestand& doel);

// Writes the document atomically: a temporary file beside the target is renamed over it, so a
// failed save leaves the old file intact. Permission bits of a replaced file are kept, a
// symbolic link is followed (the file it points to is replaced, the link stays), and a target
// that is no regular file (a device, a FIFO) is written directly. A file the user may not
// write, or that has no write permission at all, is refused ("het bestand is alleen-lezen")
// rather than replaced behind the user's back, also for root. Errors read like
// Kan "PAD" niet opslaan: de schijf is vol.
BestandsFout Bewaar(const Werkbestand& wb, const std::filesystem::path& pad);

// The same for any bytes (reports are saved this way).
BestandsFout BewaarBytes(std::string_view bytes, const std::filesystem::path& pad);

// The file-name part of a path as the user chose it ("C:\Gen\a.ged" and "/x/a.ged" alike).
std::string Bestandsnaamdeel(std::string_view pad);

}  // namespace plovena
