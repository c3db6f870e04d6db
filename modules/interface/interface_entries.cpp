// The interface library's entry point: converts the 3D-model interface file into the modelling program's
// data file. Returns 1 when the data file was written, 0 otherwise (the user has been told why).
#include "interface/data_file.h"
#include "kit/module_kit.h"

VELTRA_MODULE_PROMPTER_HOOK()

VELTRA_MODULE_ENTRY int ResetData(const char* interfaceFile, const char* dataFile) {
    if (!interfaceFile || !dataFile) return 0;
    return interfacelib::ResetData(interfaceFile, dataFile, modulekit::ModulePrompter()) ? 1 : 0;
}
