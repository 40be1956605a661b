#include <iostream>

int main() {
    std::cout << "korvane-cli\n";
    return 0;
}
