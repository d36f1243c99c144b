-- A screenshot that scripts/manual-shots has not taken (a screen the program
-- does not have yet) becomes a marked placeholder with its caption.
function Image(image)
  local file = io.open(image.src, "rb")
  if file then
    file:close()
    return nil
  end
  io.stderr:write("build-manual: no screenshot " .. image.src .. ", a placeholder stands in\n")
  local text = pandoc.utils.stringify(image.caption)
  return pandoc.Span({pandoc.Str("Screenshot to come: " .. text)}, {class = "missing-shot"})
end
