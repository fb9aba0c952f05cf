#pragma once

class MethodRegistry;
struct MethodContext;

// Registers every method of TServerMethods1 that the client calls, backed by the store.
// `context` must outlive the registry's use.
void registerOrderServerMethods(MethodRegistry &registry, MethodContext &context);
