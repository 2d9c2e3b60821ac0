// A COM name in the ports folder pointing at the simulator's line: programs
// resolve "COM5" through this folder, so the link is what makes them find us.
#pragma once

#include <string>

namespace unitsim {

class ComBinding {
  public:
    ComBinding() = default;
    ~ComBinding() { unbind(); }
    ComBinding(const ComBinding&) = delete;
    ComBinding& operator=(const ComBinding&) = delete;

    // Makes folder/comName a symbolic link to target, creating the folder and
    // replacing whatever entry had that name. Any earlier binding is undone.
    bool bind(const std::string& folder, const std::string& comName, const std::string& target);
    // Removes the link, unless someone else has bound the name meanwhile.
    void unbind();

    const std::string& linkPath() const { return link_; }

  private:
    std::string link_;
    std::string target_;
};

}  // namespace unitsim
