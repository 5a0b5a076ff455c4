// Draws the program's pictures into a data folder (placeholder until the full drawing tool lands).
#include <QGuiApplication>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    return 0;
}
