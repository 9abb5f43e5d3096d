// vyr: a fire burns in a 640 x 480 window until Escape is pressed.
#include "fire.h"

int main() {
    lumenbox::FireDemo();
    return 0;
}
