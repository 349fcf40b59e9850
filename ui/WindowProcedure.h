#pragma once

#include "platform/WindowPort.h"

#include <cstdint>

// The framework's one window procedure: it finds the framework window of each
// message and lets it handle the message (CABCWindow::HandleMessage). Messages
// for no framework window get the platform's default handling, which is none.
int32_t FrameworkWindowProcedure(const WindowPort::SMessage& message);

// Makes FrameworkWindowProcedure the port's window procedure. The entry point
// calls it once after the platform starts.
void InstallWindowProcedure();
