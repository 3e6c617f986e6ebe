#include "config/ProductStore.h"

#include "config/RegistryStoreBackend.h"
#include "config/StoreNames.h"

TOptionStore& ProductOptionStore()
{
    // Made on first use; the language makes that safe on any thread.
    static TRegistryStoreBackend backend(HKEY_CURRENT_USER, StoreNames::ProductKey);
    static TOptionStore store(backend);
    return store;
}
