#include "app/ZelkorApp.h"

int main(int argc, char** argv)
{
    zelkor::ZelkorApp app;
    return app.Run(argc, argv);
}
