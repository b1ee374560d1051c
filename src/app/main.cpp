#include "app/TMessageBoxes.h"
#include "app/TTrackmothApplication.h"

int main(int argc, char** argv) {
    TTrackmothApplication app(argc, argv);
    TMessageBoxes messageBoxes;
    SetUserMessages(&messageBoxes);
    return 0;
}
