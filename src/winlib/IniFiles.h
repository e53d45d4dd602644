// Profile files with the semantics of the original platform's profile functions: section and
// key names compare without regard to ASCII case, every write goes to the file at once, and
// sections, keys and lines the program does not know stay as they are. The file's text is
// code page 932; the program sees UTF-8.
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

    // EIniFileException "<file> に書き込めません" when the file cannot be written. The file is
    // replaced atomically (written beside it, then renamed), so it is never left half-written.
    void WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value);
    void WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value);
    void WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value);    // "1" / "0"
    void WriteFloat(const AnsiString& Section, const AnsiString& Ident, double Value); // FloatToStr

    bool SectionExists(const AnsiString& Section);
    bool ValueExists(const AnsiString& Section, const AnsiString& Ident);
    void ReadSection(const AnsiString& Section, TStringList* Idents);
    void EraseSection(const AnsiString& Section);
    void DeleteKey(const AnsiString& Section, const AnsiString& Ident);

  private:
    // Identity of the file as last read or written; a change means another writer replaced it.
    struct Stamp {
        long long dev = -1, ino = -1, size = -1, mtimeNs = -1;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const AnsiString& path);
    void Load();
    void Save();
    void Refresh(); // reloads when the file on disk is not the one last seen
    [[noreturn]] void WriteFailed() const;
    int FindSection(const std::string& name) const;
    int SectionEnd(int header) const;
    int FindKey(int header, const std::string& name) const;
    void Commit(std::vector<std::string> lines);
    AnsiString fileName_;
    // The file's lines exactly as stored (code page 932), so lines the program does not know
    // are written back byte for byte; names and values are converted when looked up.
    std::vector<std::string> lines_;
    Stamp stamp_;
    bool loaded_ = false;
    bool unreadable_ = false; // present but not readable: it must not be replaced
};
