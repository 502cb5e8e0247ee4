/* Resource-only DLLs for the loader tests need one function to link. */
int jorvo_resource_dll(void) { return 0; }
