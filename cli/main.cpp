// tessary-cli: reads, checks and converts menu code from the command line.
#include <iostream>

#include "cli/commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Texts and diagnostics are written byte for byte: no CR added before LF,
    // so that both builds write the same bytes.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    tessary::cli::Args args(argv + 1, argv + argc);
    const int code = tessary::cli::RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    std::cerr.flush();
    return code;
}
