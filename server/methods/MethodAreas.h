#pragma once

class MethodRegistry;
struct MethodContext;

// The order server's methods by area, each in its own file.
void addAccountMethods(MethodRegistry &registry, MethodContext &context);
void addCustomerSelectionMethods(MethodRegistry &registry, MethodContext &context);
void addStockMethods(MethodRegistry &registry, MethodContext &context);
void addBasketMethods(MethodRegistry &registry, MethodContext &context);
void addOrderMethods(MethodRegistry &registry, MethodContext &context);
void addBalanceMethods(MethodRegistry &registry, MethodContext &context);
void addStatementMethods(MethodRegistry &registry, MethodContext &context);
void addDocumentMethods(MethodRegistry &registry, MethodContext &context);
void addNoticeMethods(MethodRegistry &registry, MethodContext &context);
