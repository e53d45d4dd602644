// Profile files: section and key names compare without regard to ASCII case, every write goes
// to the file at once (or, between BeginUpdate and EndUpdate, all of them together), and
// sections, keys and lines the program does not know stay as they are. The file's text is
// code page 932; the program sees UTF-8. A value that code page 932 cannot hold ("café") is
// stored as its nearest code page 932 text, as before, and exactly in a companion key of the
// same name followed by ".utf8" (percent-encoded UTF-8); the companion is believed only while
// the plain key still holds the text it was written beside, so a file changed by a program
// that does not know companions reads as that program left it. Lines may end in LF, CR LF, CR or
// CR CR LF, and a UTF-8 byte-order mark may lead (the text is then UTF-8); the file is always
// written in code page 932 with CR LF. Only a regular file of at most 1 MiB is read; anything
// else (a folder, a pipe, a device, a huge file) reads as empty and is not replaced. A write
// through a symbolic link replaces the link's target, also one that does not exist yet.
#pragma once

#include "Classes.h"

class TIniFile : public TObject {
  public:
    explicit TIniFile(const AnsiString& FileName);
    const AnsiString& FileName() const { return fileName_; }

    // A missing key gives the default; a key that is present but empty reads as "".
    // Values are limited to 2047 bytes, as the platform's buffer was.
    AnsiString ReadString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Default);
    // Whole-number text (decimal or hex "$"/"0x"); anything else, or overflow, gives the default.
    int ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default);
    // Read as an integer: 0 is false, any other number true, junk gives the default.
    bool ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default);
    double ReadFloat(const AnsiString& Section, const AnsiString& Ident, double Default);

    // EIniFileException "<file> に書き込めません" when the file cannot be written, and with the
    // ReadFailure text when it is there but could not be read (it is then left alone). The file is
    // replaced atomically (written beside it, then renamed), so it is never left half-written.
    // Between BeginUpdate and EndUpdate the writes are kept and EndUpdate replaces the file
    // once (raising the error then); the file is not read again in between.
    void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value);
    void WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value);
    void WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value);    // "1" / "0"
    void WriteFloat(const AnsiString& Section, const AnsiString& Ident, double Value); // FloatToStr

    // Empty while the file reads (or is missing); else "<file> を読み込めません（<why>）…", the
    // message a write then raises instead of replacing the file.
    AnsiString ReadFailure();

    void BeginUpdate();
    void EndUpdate();

    bool SectionExists(const AnsiString& Section);
    bool ValueExists(const AnsiString& Section, const AnsiString& Ident);
    void ReadSection(const AnsiString& Section, TStringList* Idents);
    void EraseSection(const AnsiString& Section);
    void DeleteKey(const AnsiString& Section, const AnsiString& Ident);

  private:
    // Identity of the file as last read or written; a change means another writer replaced it
    // (or its permissions changed, which may make it readable or not).
    struct Stamp {
        long long dev = -1, ino = -1, size = -1, mtimeNs = -1, ctimeNs = -1;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const AnsiString& path);
    void Load();
    void Save();
    void Refresh(); // reloads when the file on disk is not the one last seen
    [[noreturn]] void WriteFailed() const;
    using Lines = std::vector<std::string>;
    static int FindSection(const Lines& lines, const std::string& name);
    static int SectionEnd(const Lines& lines, int header);
    static int FindKey(const Lines& lines, int header, const std::string& name);
    // The key's line set to ident=diskValue (added at the end of its section, or with a new
    // section), or removed when diskValue is null.
    static void PutKey(Lines& lines, const std::string& section, const std::string& ident,
                       const std::string* diskValue);
    void Commit(Lines lines);
    AnsiString fileName_;
    // The file's lines exactly as stored (code page 932), so lines the program does not know
    // are written back byte for byte; names and values are converted when looked up.
    Lines lines_;
    Stamp stamp_;
    bool loaded_ = false;
    std::string failure_;  // why a file that is there could not be read; it must not be replaced
    int updating_ = 0;     // BeginUpdate depth
    bool pending_ = false; // writes kept for EndUpdate
};
