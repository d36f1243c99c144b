-- "@VERSION@" in code and code blocks becomes the version of the build, so an
-- example such as Tessary-@VERSION@-setup.exe names the file the build makes.
local version = os.getenv("TESSARY_VERSION") or "@VERSION@"

local function replace(element)
  element.text = element.text:gsub("@VERSION@", version)
  return element
end

return {{Code = replace, CodeBlock = replace}}
