#include "core/startup.h"
#include "main/main_form.h"

int main(int argc, char **argv)
{
    return runTenvora(argc, argv, [](TDM1 &dm) { return new TMFormX12(dm); });
}
