#include "tests/export/ExportRun.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <png.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/TestSupport.h"

namespace {

std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

void InstallExporter(const std::string& folder)
{
    const std::string bin = folder + "/bin";
    const std::string command = "mkdir -p " + Quoted(bin) + " && cp " + Quoted(MARL_EXPORT_PROGRAM) + " " +
                                Quoted(bin + "/marl-export") + " && ln -sfn " +
                                Quoted(testsupport::SourceDir() + "/Game Data") + " " + Quoted(folder + "/Game Data");
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

ExportRun RunExporter(const std::string& folder, const std::vector<std::string>& args)
{
    std::string command = "cd " + Quoted(folder) + " && env -u DISPLAY ./bin/marl-export";
    for (const std::string& arg : args)
        command += " " + Quoted(arg);
    command += " >" + Quoted(folder + "/stdout.txt") + " 2>" + Quoted(folder + "/stderr.txt");
    ExportRun run;
    const int status = std::system(command.c_str());
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = testsupport::ReadFile(folder + "/stdout.txt");
    run.errors = testsupport::ReadFile(folder + "/stderr.txt");
    return run;
}

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir))
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                names.push_back(entry->d_name);
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

PngPixels ReadPngPixels(const std::string& path)
{
    PngPixels png;
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return png;
    // BGRA bytes are 0xAARRGGBB words on this little-endian machine.
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint32_t> pixels(static_cast<size_t>(image.width) * image.height);
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
        return png;
    png.width = static_cast<int>(image.width);
    png.height = static_cast<int>(image.height);
    png.pixels = std::move(pixels);
    return png;
}

bool WriteFilledPng(const std::string& path, int width, int height, uint32_t colour)
{
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_BGRA;
    const std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, colour);
    return png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr) != 0;
}
