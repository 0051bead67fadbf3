#include <iostream>

// The engine core is in place, but the window and drawing are not built yet, so there is
// nothing to show: say so plainly rather than pretend to be a game.
int main() {
    std::cout << "Velmora: nothing to show yet. The engine core is built; the window, drawing "
                 "and levels are still to come."
              << std::endl;
    return 0;
}
