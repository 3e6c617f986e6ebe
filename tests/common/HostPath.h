// Paths handed to a test on its command line are the build tree's Unix paths;
// a Windows test under Wine sees the Unix root as drive Z:.
#pragma once
#include <string>

inline std::string ToHostPath(std::string path)
{
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            if (c == '/') c = '\\';
        path = "Z:" + path;
    }
#endif
    return path;
}
