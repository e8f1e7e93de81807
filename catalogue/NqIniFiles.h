#pragma once
// The settings file: sections of "key=value" lines, read whole into memory, written back whole.
//
// The file is Windows-1252, or UTF-8 or UTF-16 (either byte order) when it begins with the byte-order
// mark of one of them; it is written back in Windows-1252 whenever every character fits, and as UTF-8
// with a byte-order mark otherwise, so that no title or path is ever lost. Section and key names are
// matched without regard to case.
//
// The file is never overwritten silently: when it changed on disk since this object last read or wrote
// it (another bar, another user of a shared copy), or when its bytes did not decode cleanly, the version
// on disk is first kept beside it under a dated name, and a notice for the user says so.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "support/Font.h"
#include "support/Platform.h"

namespace nq {

// Switches of the writer, process-wide. The program leaves them at their initial values (true).
extern bool IniSortSections;  // sections written sorted by name, without regard to case
extern bool IniSeparaSecoes;  // an empty line after each section
extern bool IniUpdateOnFree;  // the file is written when the object is released

// How the object holds the file, and what stays true after the file is read and after every write,
// erase and update (Conferir checks it):
//  - Names. Section names and keys are compared without regard to case: the letters LowerChar folds
//    (those of Windows-1252 and Latin Extended-A) and nothing else, accents kept; a malformed byte
//    counts as U+FFFD, as it is written. No two sections have equal names in that sense. Two lines of a
//    section may hold equal keys (a file can): reads and writes go to the last of them; the others stay
//    and are written back.
//  - Order. Sections stay in the order they were first read or made; a section named twice in the file
//    is one, its lines following on. Lines stay in the order read; a write to a key that is there
//    replaces that line's key and value in place, a new key goes to the end of its section, and a
//    section written to that is not there goes to the end. An erased section goes with all its lines,
//    and a later write makes it anew at the end. The file is written in that order, or (IniSortSections)
//    with the sections sorted by name without regard to case, the order of the lines never changed.
//  - The indexes. The sections' index gives, for the name of each section, its place in the list, and
//    holds nothing else; each section's index of keys gives, for each key, the place of its last line,
//    and holds nothing else. A line without "=" has no key, is in no index, and is written back as it
//    was read. Both are open-addressing tables never more than half full, without deletions: an erase
//    rebuilds the sections' index.
//  - The text store. Every key and value is a range of one UTF-8 text, the store: every range lies in
//    it, and no two share a byte. The bytes no line uses (brackets, "=", line breaks, comments, blanks,
//    replaced values and erased sections) are counted; once they are half the store and at least 64 KiB,
//    the live text is copied to a fresh store, so repeated saves do not grow it without end.
//  - Lines. No name, key or value holds a line break: reading splits lines at CR LF, LF and a lone CR,
//    and a write stores a break as a blank, so that a value can never forge a key or a section. A key
//    read from the file holds no "=", and neither it, its value nor a section's name begins or ends
//    with a blank; what a write gives is kept as given, so a name or key with blanks around it, a key
//    with "=" or beginning with ";" or "[", does not read back the same.
//  - Encodings. The store holds the file's text decoded to UTF-8, from UTF-8 or UTF-16 after a
//    byte-order mark, else from Windows-1252; bytes that do not decode become U+FFFD and mark the file
//    undecodable (as does a NUL, or text without a section). A malformed sequence a caller writes is
//    kept in the store and written as U+FFFD. What is written is Windows-1252 when every character
//    fits, else UTF-8 with its mark.
class TMemIniFile {
public:
    // Corrects the name (AcertarNomeArquivo), clears away what interrupted writes left beside the file
    // (recovering the file from them when it is missing: RemoveLeftovers), and reads the file; a missing
    // file gives an empty object.
    explicit TMemIniFile(const std::string& FileName);
    // Corrects the name and takes the file's content from Bytes instead of reading the file.
    TMemIniFile(const std::string& FileName, std::string_view Bytes);
    // Writes the file (failures ignored), then releases the object.
    ~TMemIniFile();
    TMemIniFile(const TMemIniFile&) = delete;
    TMemIniFile& operator=(const TMemIniFile&) = delete;

    std::string ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) const;
    void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value);
    int ReadInteger(std::string_view Section, std::string_view Ident, int Default) const;
    void WriteInteger(std::string_view Section, std::string_view Ident, int Value);
    bool ReadBool(std::string_view Section, std::string_view Ident, bool Default) const;
    void WriteBool(std::string_view Section, std::string_view Ident, bool Value);
    void ReadFont(std::string_view Sessao, std::string_view Ident, TFont& Fonte) const;
    void WriteFont(std::string_view Sessao, std::string_view Ident, const TFont& Fonte);

    bool SectionExists(std::string_view Section) const;
    void EraseSection(std::string_view Section);
    void ReadSections(std::vector<std::string>& Strings) const;
    void ReadSectionValues(std::string_view Section, std::vector<std::string>& Strings) const;

    // Writes the whole file, unless it already holds these very bytes or nothing was changed since the
    // last UpdateFile; throws EInOutError when it cannot, leaving the file and memory as they were.
    void UpdateFile();
    // A file read with parts that could not be decoded is kept beside itself now, as it is, with a
    // notice, rather than at the first save; the next save writes the readable settings.
    void KeepCopyIfDamaged();
    // Texts for the user about the copies kept beside the file since the last call.
    std::vector<std::string> TakeNotices();
    const std::string& FileName() const;
    // The file was there at start but could not be read (another program held it): it is never written.
    bool Unreadable() const;
    // The exact bytes UpdateFile writes.
    std::string FileContent() const;
    // The first of the invariants above found broken, in words; empty when they all hold. It walks the
    // whole object: for tests.
    std::string Conferir() const;

private:
    void KeepCopyOf(const std::string& bytes, bool changedElsewhere);
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// The longest title of the bar ("NomeEmpresa") that is kept when it is read: the title shows two short
// lines, and a text of millions of characters would cost the drawing more than linear time.
inline constexpr std::size_t TAM_NOME_EMPRESA = 255;

// The process-wide settings object, absent until the first IniciaIni.
extern std::unique_ptr<TMemIniFile> NqIni;

enum class TFormatoINI { fiDefault, fiDeprecate };

// Creates NqIni on the given file, when it does not exist yet.
void IniciaIni(const std::string& AFileIni);
// Creates NqIni on a name derived from the program's path, when it does not exist yet.
void IniciaIni(TFormatoINI Opcao);

// A bare file name is placed in the program's folder; a name with a folder is kept.
std::string AcertarNomeArquivo(std::string_view FileName);

// The name of a copy kept beside a file, after the moment its bytes were written (left out when
// unknown): "D:\Apps\PivelConfig (cópia 2024-03-05 14-07-09).ini", then " 2", " 3"... for Numero;
// Rotulo names another kind of copy in place of "cópia".
std::string NomeCopiaDatada(std::string_view FileName, const LocalTime& Escrita, int Numero = 1,
                            std::string_view Rotulo = "cópia");

// The font as one text: name,size,colour,bold,italic,underline,strike-out.
std::string gravarFonte(const TFont& Fonte);
// Applies such a text to a font; a text without exactly seven parts leaves the font unchanged.
void lerFonte(std::string_view Texto, TFont& Fonte);

}  // namespace nq
