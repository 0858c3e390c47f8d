// The program's two kinds of request, each bracketed by libcurl's process-wide
// initialisation and clean-up. True when the transfer completed, whatever the HTTP status;
// the response then holds the body (an error page included). After a failure it may hold a
// partial body. Safe to call from several threads at once.
#pragma once

#include <string>

#include "reporting/response_header.h"

bool HttpGet(const std::string& url, std::string& response);
// HttpGet that also captures the response header `header.name` into `header`.
bool HttpGet(const std::string& url, std::string& response, ResponseHeader& header);
bool HttpPost(const std::string& url, const std::string& body, std::string& response);

// Initialises libcurl once for the rest of the process, without a clean-up. Whatever exit
// handlers libcurl and the libraries under it register are registered then: an object
// created afterwards (the report sender) is therefore destroyed at exit before they run, and
// a post still in progress never meets torn-down library state.
void KeepHttpReadyUntilExit();
