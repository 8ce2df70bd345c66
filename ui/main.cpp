#include "lomarek_app.h"

int main(int argc, char** argv)
{
    return lomarek::CLomarekApp::Run(argc, argv);
}
