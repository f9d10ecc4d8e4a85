#include "app/CommandLine.h"

namespace NVolant {

CommandLine CommandLine::parse(const std::vector<std::string>& arguments)
{
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size() && line.error.empty(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--help" || a == "-h") {
            line.help = true;
        } else if (a == "--version") {
            line.version = true;
        } else if (a == "--renderer" || a.rfind("--renderer=", 0) == 0) {
            if (a == "--renderer") {
                if (i + 1 >= arguments.size()) {
                    line.error = "--renderer needs a name";
                    break;
                }
                line.renderer = arguments[++i];
            } else {
                line.renderer = a.substr(11);
            }
            if (line.renderer.empty())
                line.error = "--renderer needs a name";
        } else {
            line.error = "unknown option " + a;
        }
    }
    return line;
}

std::string CommandLine::usage()
{
    return "Usage: skyvane [OPTION]...\n"
           "Fly up the river valley and destroy everything that shoots back.\n"
           "\n"
           "  --renderer NAME  draw with SDL's NAME renderer: auto (default: a hardware one,\n"
           "                   or software where OpenGL itself runs on the CPU), software,\n"
           "                   opengl, opengles2, ...\n"
           "  --version        print the version and leave\n"
           "  -h, --help       print this help and leave\n"
           "\n"
           "Saves, logs and screenshots live in ~/.local/share/Corvidane/Skyvane/.\n";
}

} // namespace NVolant
