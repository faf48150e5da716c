#include "shell/app.h"

int main(int argc, char** argv) { return vrk::runApp(argc, argv); }
