// A program that opens a graphics window captioned "Keys" and prints every
// key code it reads, one decimal byte a line, until it reads Escape (27):
// to standard output, or to the file named by its argument (in a terminal,
// standard output is where the window is drawn). The end-to-end tests type
// on a real keyboard, through the X server or the terminal, and compare
// what comes out with the key codes a program must see.
#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>
#include <lumenbox/win/kernel.h>

#include <cstdio>

int main(int argc, char** argv) {
    std::FILE* out = argc > 1 ? std::fopen(argv[1], "w") : stdout;
    if (out == nullptr) {
        std::perror("key_echo");
        return 1;
    }
    std::int16_t kind = 3;  // 256 colours
    std::int16_t size = 4;  // 640 x 480
    lumenbox::OpenGraphics(kind, size, "Keys");
    const std::int16_t status = lumenbox::GraphState.GraphStatus.load();
    if (!lumenbox::IsGraphOpen() || (status != lumenbox::StatusOk && status != lumenbox::StatusNoOpenGL)) {
        std::fprintf(stderr, "key_echo: the window did not open (status %d)\n", status);
        return 1;
    }
    for (;;) {
        if (!lumenbox::KeyWaiting()) {
            lumenbox::win::Sleep(1);
            continue;
        }
        const unsigned code = lumenbox::NextKey();
        std::fprintf(out, "%u\n", code);
        std::fflush(out);
        if (code == 27) break;
    }
    lumenbox::CloseGraphics();
    if (out != stdout) std::fclose(out);
    return 0;
}
