#pragma once

#include <QProcess>
#include <QString>

namespace quorvel::test {

// The workbook, shared strings, styles and first sheet of an .xlsx file, read by an
// independent reader (Python's zipfile), joined into one text to search.
inline QString ReadXlsxParts(const QString& file) {
    QProcess reader;
    reader.start("python3", {"-c",
                             "import zipfile,sys\n"
                             "z=zipfile.ZipFile(sys.argv[1])\n"
                             "for n in ('xl/workbook.xml','xl/sharedStrings.xml','xl/styles.xml',"
                             "'xl/worksheets/sheet1.xml'):\n"
                             "    sys.stdout.write(z.read(n).decode() if n in z.namelist() else '')",
                             file});
    if (!reader.waitForFinished(60000)) return {};
    return QString::fromUtf8(reader.readAllStandardOutput());
}

}  // namespace quorvel::test
