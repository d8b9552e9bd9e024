// SPDX-License-Identifier: MIT
// The fuzz targets outside a fuzzing build: every file of the corpus folders
// and files named on the command line is run once, so the seeds and every
// input that once crashed stay regression cases of the ordinary test run.
#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int RunFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           std::size_t(bytes.size()));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int files = 0;
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(path).isDir()) {
            QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                failures += RunFile(it.next());
                ++files;
            }
        } else {
            failures += RunFile(path);
            ++files;
        }
    }
    std::printf("%d inputs replayed\n", files);
    // A corpus that went missing would otherwise pass without running anything.
    return failures == 0 && files > 0 ? 0 : 1;
}
