#include "core/Packfiles.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include <allegro.h>

namespace packfiles {

namespace {

int64_t g_WriteBudget = -1;   // bytes all file writers may still write; -1 for no limit

// -- Memory reader ---------------------------------------------------------------------------

struct MemoryReader {
    std::string_view bytes;
    size_t position = 0;
    int pushedBack = EOF;
};

int ReaderClose(void* user)
{
    delete static_cast<MemoryReader*>(user);
    return 0;
}

int ReaderGetc(void* user)
{
    auto* reader = static_cast<MemoryReader*>(user);
    if (reader->pushedBack != EOF) {
        const int c = reader->pushedBack;
        reader->pushedBack = EOF;
        return c;
    }
    if (reader->position >= reader->bytes.size())
        return EOF;
    return static_cast<unsigned char>(reader->bytes[reader->position++]);
}

int ReaderUngetc(int c, void* user)
{
    static_cast<MemoryReader*>(user)->pushedBack = c;
    return c;
}

long ReaderRead(void* p, long n, void* user)
{
    auto* out = static_cast<unsigned char*>(p);
    long done = 0;
    for (; done < n; ++done) {
        const int c = ReaderGetc(user);
        if (c == EOF)
            break;
        out[done] = static_cast<unsigned char>(c);
    }
    return done;
}

int ReaderSeek(void* user, int offset)
{
    auto* reader = static_cast<MemoryReader*>(user);
    if (offset < 0)
        return -1;
    if (reader->pushedBack != EOF && offset > 0) {
        reader->pushedBack = EOF;
        --offset;
    }
    reader->position = std::min(reader->bytes.size(), reader->position + static_cast<size_t>(offset));
    return 0;
}

int ReaderEof(void* user)
{
    auto* reader = static_cast<MemoryReader*>(user);
    return reader->pushedBack == EOF && reader->position >= reader->bytes.size();
}

int NoError(void*) { return 0; }
int NoPutc(int, void*) { return EOF; }
long NoWrite(const void*, long, void*) { return 0; }

const PACKFILE_VTABLE kReaderTable = {ReaderClose, ReaderGetc, ReaderUngetc, ReaderRead,
                                      NoPutc,      NoWrite,    ReaderSeek,   ReaderEof,
                                      NoError};

// -- Memory writer ---------------------------------------------------------------------------

int WriterClose(void*) { return 0; }
int NoGetc(void*) { return EOF; }
int NoUngetc(int, void*) { return EOF; }
long NoRead(void*, long, void*) { return 0; }
int NoSeek(void*, int) { return -1; }
int AlwaysEof(void*) { return 1; }

long WriterWrite(const void* p, long n, void* user)
{
    if (n <= 0)
        return 0;
    static_cast<std::string*>(user)->append(static_cast<const char*>(p), static_cast<size_t>(n));
    return n;
}

int WriterPutc(int c, void* user)
{
    const char byte = static_cast<char>(c);
    return WriterWrite(&byte, 1, user) == 1 ? (c & 0xff) : EOF;
}

const PACKFILE_VTABLE kWriterTable = {WriterClose, NoGetc,      NoUngetc,  NoRead, WriterPutc,
                                      WriterWrite, NoSeek,      AlwaysEof, NoError};

// -- File writer -----------------------------------------------------------------------------

struct FileWriter {
    std::FILE* file = nullptr;
    bool failed = false;
};

// Closing is done by CloseFileWriter, which can tell its result: pack_fclose passes a failure on
// through Allegro's errno pointer, which is unset until Allegro is initialised.
int FileClose(void* user)
{
    auto* writer = static_cast<FileWriter*>(user);
    if (writer->file)
        std::fclose(writer->file);
    delete writer;
    return 0;
}

long FileWrite(const void* p, long n, void* user)
{
    auto* writer = static_cast<FileWriter*>(user);
    if (n <= 0)
        return 0;
    long allowed = n;
    if (g_WriteBudget >= 0)
        allowed = static_cast<long>(std::min<int64_t>(n, g_WriteBudget));
    const long written = static_cast<long>(std::fwrite(p, 1, static_cast<size_t>(allowed), writer->file));
    if (g_WriteBudget >= 0)
        g_WriteBudget -= written;
    if (written < n)
        writer->failed = true;
    return written;
}

int FilePutc(int c, void* user)
{
    const char byte = static_cast<char>(c);
    return FileWrite(&byte, 1, user) == 1 ? (c & 0xff) : EOF;
}

int FileError(void* user) { return static_cast<FileWriter*>(user)->failed ? 1 : 0; }

const PACKFILE_VTABLE kFileWriterTable = {FileClose, NoGetc, NoUngetc,  NoRead,   FilePutc,
                                          FileWrite, NoSeek, AlwaysEof, FileError};

} // namespace

PACKFILE* OpenMemoryReader(std::string_view bytes)
{
    auto* reader = new MemoryReader {bytes};
    PACKFILE* file = pack_fopen_vtable(&kReaderTable, reader);
    if (!file)
        delete reader;
    return file;
}

PACKFILE* OpenMemoryWriter(std::string* out) { return pack_fopen_vtable(&kWriterTable, out); }

PACKFILE* OpenFileWriter(const std::string& path)
{
    std::FILE* handle = std::fopen(path.c_str(), "wb");
    if (!handle)
        return nullptr;
    auto* writer = new FileWriter {handle};
    PACKFILE* file = pack_fopen_vtable(&kFileWriterTable, writer);
    if (!file) {
        std::fclose(handle);
        delete writer;
    }
    return file;
}

bool CloseFileWriter(PACKFILE* file)
{
    if (!file)
        return false;
    auto* writer = static_cast<FileWriter*>(file->userdata);
    bool failed = writer->failed;
    if (std::fflush(writer->file) != 0 || fsync(fileno(writer->file)) != 0)
        failed = true;
    if (std::fclose(writer->file) != 0)
        failed = true;
    writer->file = nullptr;
    pack_fclose(file);
    return !failed;
}

void SetFileWriteBudget(int64_t bytes) { g_WriteBudget = bytes < 0 ? -1 : bytes; }

} // namespace packfiles
