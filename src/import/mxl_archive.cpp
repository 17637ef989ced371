// SPDX-FileCopyrightText: 2026 The Voldrim developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/mxl_archive.h"

#include "framework/loaded_library.h"
#include "import/import_error.h"

#include <QString>
#include <QXmlStreamReader>

#include <zip.h>

#include <memory>

namespace {

// libzip is loaded when the first compressed score is read: it brings
// OpenSSL's large libcrypto, which the program needs for nothing else.
struct ZipLibrary {
    decltype(&::zip_error_init) zip_error_init = nullptr;
    decltype(&::zip_error_fini) zip_error_fini = nullptr;
    decltype(&::zip_source_buffer_create) zip_source_buffer_create = nullptr;
    decltype(&::zip_source_free) zip_source_free = nullptr;
    decltype(&::zip_open_from_source) zip_open_from_source = nullptr;
    decltype(&::zip_discard) zip_discard = nullptr;
    decltype(&::zip_fopen) zip_fopen = nullptr;
    decltype(&::zip_fread) zip_fread = nullptr;
    decltype(&::zip_fclose) zip_fclose = nullptr;
    decltype(&::zip_get_num_entries) zip_get_num_entries = nullptr;
    decltype(&::zip_get_name) zip_get_name = nullptr;
};

bool FindAll(ZipLibrary& zip)
{
    return AfxFindFunction(zip.zip_error_init, "zip_error_init")
        && AfxFindFunction(zip.zip_error_fini, "zip_error_fini")
        && AfxFindFunction(zip.zip_source_buffer_create, "zip_source_buffer_create")
        && AfxFindFunction(zip.zip_source_free, "zip_source_free")
        && AfxFindFunction(zip.zip_open_from_source, "zip_open_from_source")
        && AfxFindFunction(zip.zip_discard, "zip_discard") && AfxFindFunction(zip.zip_fopen, "zip_fopen")
        && AfxFindFunction(zip.zip_fread, "zip_fread") && AfxFindFunction(zip.zip_fclose, "zip_fclose")
        && AfxFindFunction(zip.zip_get_num_entries, "zip_get_num_entries")
        && AfxFindFunction(zip.zip_get_name, "zip_get_name");
}

// Called only once a compressed file is being read, which Zip has loaded it for.
const ZipLibrary& Zip()
{
    return *AfxLoadedLibrary<ZipLibrary>(VOLDRIM_ZIP_LIBRARY, FindAll);
}

const QByteArray kZipStart("PK\x03\x04", 4);
const char kContainer[] = "META-INF/container.xml";
const QString kMetaFolder = QStringLiteral("META-INF/");
// The container names a file or two; more is no container.
constexpr qint64 kLargestContainer = 64 * 1024;
constexpr qint64 kPieceSize = 64 * 1024;

struct ArchiveCloser {
    void operator()(zip_t* archive) const { Zip().zip_discard(archive); }
};
struct FileCloser {
    void operator()(zip_file_t* file) const { Zip().zip_fclose(file); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using ArchiveFile = std::unique_ptr<zip_file_t, FileCloser>;

Archive OpenArchive(const QByteArray& bytes)
{
    if (!AfxLoadedLibrary<ZipLibrary>(VOLDRIM_ZIP_LIBRARY, FindAll))
        throw CImportError(ImportProblem::NoUnzipping);
    const ZipLibrary& zip = Zip();
    zip_error_t error;
    zip.zip_error_init(&error);
    zip_source_t* source = zip.zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t* archive = source ? zip.zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (!archive && source)
        zip.zip_source_free(source);
    zip.zip_error_fini(&error);
    if (!archive)
        throw CImportError(ImportProblem::Damaged);
    return Archive(archive);
}

// The file's bytes, read a piece at a time up to the limit; whatever the
// archive says of its size, no more is taken. Null when it is not there.
std::optional<QByteArray> ReadEntry(zip_t* archive, const QByteArray& name, qint64 limit)
{
    const ArchiveFile file(Zip().zip_fopen(archive, name.constData(), 0));
    if (!file)
        return std::nullopt;
    QByteArray bytes;
    for (;;) {
        const qint64 room = limit + 1 - bytes.size();
        const qsizetype at = bytes.size();
        bytes.resize(at + qsizetype(std::min(kPieceSize, room)));
        const zip_int64_t read = Zip().zip_fread(file.get(), bytes.data() + at, zip_uint64_t(bytes.size() - at));
        if (read < 0)
            throw CImportError(ImportProblem::Damaged);
        bytes.resize(at + qsizetype(read));
        if (bytes.size() > limit)
            throw CImportError(ImportProblem::TooLarge);
        if (read == 0)
            return bytes;
    }
}

// The first root file the container names.
QByteArray RootFileOf(const QByteArray& container)
{
    QXmlStreamReader xml(container);
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::DTD) {
        if (xml.isStartElement() && xml.name() == QLatin1String("rootfile"))
            return xml.attributes().value(QLatin1String("full-path")).toUtf8();
    }
    return QByteArray();
}

// Without a container, the first MusicXML file outside META-INF.
QByteArray FirstScoreIn(zip_t* archive)
{
    const zip_int64_t count = Zip().zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* entry = Zip().zip_get_name(archive, zip_uint64_t(i), 0);
        const QString name = entry ? QString::fromUtf8(entry) : QString();
        if (!name.startsWith(kMetaFolder) &&
            (name.endsWith(QLatin1String(".xml")) || name.endsWith(QLatin1String(".musicxml"))))
            return name.toUtf8();
    }
    return QByteArray();
}

} // namespace

bool IsZipArchive(const QByteArray& bytes)
{
    return bytes.startsWith(kZipStart);
}

QByteArray UnpackMusicXml(const QByteArray& archive)
{
    const Archive zip = OpenArchive(archive);
    QByteArray score;
    if (const std::optional<QByteArray> container = ReadEntry(zip.get(), kContainer, kLargestContainer))
        score = RootFileOf(*container);
    if (score.isEmpty())
        score = FirstScoreIn(zip.get());
    const std::optional<QByteArray> bytes =
        score.isEmpty() ? std::nullopt : ReadEntry(zip.get(), score, kLargestImportBytes);
    if (!bytes)
        throw CImportError(ImportProblem::NoScoreInZip);
    return *bytes;
}
