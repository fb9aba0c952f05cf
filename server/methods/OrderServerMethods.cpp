#include "OrderServerMethods.h"

#include "MethodAreas.h"
#include "MethodRegistry.h"
#include "ServerCall.h"

void registerOrderServerMethods(MethodRegistry &registry, MethodContext &context)
{
    // The framework's own test pair, kept for connection checks by hand.
    registry.add(QStringLiteral("EchoString"), {inParam("Value", ValueType::Text)}, ValueType::Text,
                 [](ServerCall &c) { c.setResult(Value::text(c.text(0))); });
    registry.add(QStringLiteral("ReverseString"), {inParam("Value", ValueType::Text)}, ValueType::Text,
                 [](ServerCall &c) {
                     QString s = c.text(0);
                     std::reverse(s.begin(), s.end());
                     c.setResult(Value::text(s));
                 });

    addAccountMethods(registry, context);
    addCustomerSelectionMethods(registry, context);
    addStockMethods(registry, context);
    addBasketMethods(registry, context);
    addOrderMethods(registry, context);
    addBalanceMethods(registry, context);
    addStatementMethods(registry, context);
    addDocumentMethods(registry, context);
    addNoticeMethods(registry, context);
}
