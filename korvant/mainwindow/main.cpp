#include "korvant_application.h"
#include "korvant_main.h"

int main(int argc, char** argv)
{
    skelvora::KorvantApplication application(argc, argv);
    return skelvora::KorvantMain(application);
}
