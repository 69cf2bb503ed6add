"""Reading phase: the Khronos XML registry and GLEW's header, as plain command and extension lists."""

import re
import xml.etree.ElementTree as ET
from dataclasses import dataclass, field


@dataclass(frozen=True)
class Param:
    name: str
    ctype: str          # the C type as the source writes it, e.g. "const GLfloat *"
    ptype: str          # the named type inside it ("GLfloat"), or "" for plain C types such as void *
    group: str = ""     # the registry's enumerant group, where it names one
    length: str = ""    # the registry's length of a pointed-to array ("n", "count*4", "16", "COMPSIZE(pname)")


@dataclass(frozen=True)
class Command:
    name: str
    result: str         # the C result type, "void" for none
    params: tuple = ()


@dataclass
class Registry:
    commands: dict = field(default_factory=dict)    # name -> Command
    features: dict = field(default_factory=dict)    # GL_VERSION_1_0 -> [command names]
    extensions: dict = field(default_factory=dict)  # GL_ARB_multitexture -> [command names]
    enums: dict = field(default_factory=dict)       # GL_TEXTURE_2D -> 0x0DE1, the value of each enumerant
    feature_enums: dict = field(default_factory=dict)    # GL_VERSION_1_0 -> [enumerant names]
    extension_enums: dict = field(default_factory=dict)  # GL_ARB_multitexture -> [enumerant names]


def _normalise_type(text):
    """One blank between words, none before a '*' that follows a word: 'const GLchar *const*'."""
    text = re.sub(r"\s+", " ", text).strip()
    return re.sub(r"\s*\*\s*", " *", text).replace("* *", "**").strip()


def _param_from_xml(element):
    name = element.find("name").text
    ptype = element.find("ptype")
    text = "".join(element.itertext())
    ctype = text[: text.rindex(name)]
    return Param(name, _normalise_type(ctype), ptype.text if ptype is not None else "", element.get("group", ""),
                 element.get("len", ""))


def _command_from_xml(element):
    proto = element.find("proto")
    name = proto.find("name").text
    text = "".join(proto.itertext())
    result = _normalise_type(text[: text.rindex(name)])
    return Command(name, result, tuple(_param_from_xml(p) for p in element.findall("param")))


def _required(element, api, kind):
    names = []
    for require in element.findall("require"):
        if require.get("api", api) != api:
            continue
        names.extend(c.get("name") for c in require.findall(kind))
    return names


def enum_value(text):
    """A registry or header value as a 32-bit GLenum: "0x8C4C", "0xFFFFFFFFu", "-2" (0xFFFFFFFE)."""
    value = int(text.rstrip("uUlL"), 0)
    return value % (1 << 32) if value < 0 else value


def _enum_values(root, api):
    """The value of every enumerant of the API; an enumerant given per API keeps the value of this one."""
    values = {}
    for element in root.iter("enums"):
        for enum in element.findall("enum"):
            if enum.get("api", api) == api:
                values[enum.get("name")] = enum_value(enum.get("value"))
    return values


def read_xml_registry(path, api):
    """Commands, enumerant values, and the commands and enumerants of each feature and extension of one file."""
    root = ET.parse(path).getroot()
    registry = Registry(enums=_enum_values(root, api))
    for element in root.iter("command"):
        if element.find("proto") is not None:
            command = _command_from_xml(element)
            registry.commands[command.name] = command
    for feature in root.iter("feature"):
        if feature.get("api") == api:
            registry.features[feature.get("name")] = _required(feature, api, "command")
            registry.feature_enums[feature.get("name")] = _required(feature, api, "enum")
    for extension in root.iter("extension"):
        registry.extensions[extension.get("name")] = _required(extension, api, "command")
        registry.extension_enums[extension.get("name")] = _required(extension, api, "enum")
    return registry


_GLEW_SECTION = re.compile(r"#ifndef (GL_\w+)\n#define \1 1\n(.*?)#endif /\* \1 \*/", re.S)
_GLEW_FUNCTION = re.compile(r"#define (gl\w+) GLEW_GET_FUN\(")
_GLEW_TOKEN = re.compile(r"^#define (GL_\w+) (0x[0-9A-Fa-f]+|\d+)u?\s*$", re.M)
_GLEW_TYPEDEF = re.compile(r"typedef (.+?) \(GLAPIENTRY \* PFN(\w+)PROC\) \((.*?)\);")
_GL_TYPE = re.compile(r"\bGL\w+\b")


def parse_prototype_params(text):
    """Parameters of a C parameter list such as 'GLenum face, const GLfloat *params' ('void' gives none)."""
    text = text.strip()
    if text in ("", "void"):
        return ()
    params = []
    for index, part in enumerate(text.split(",")):
        match = re.match(r"(.*?)(\w+)\s*$", part.strip(), re.S)
        if match and match.group(1).strip():
            ctype, name = _normalise_type(match.group(1)), match.group(2)
        else:  # an unnamed parameter, as some of GLEW's prototypes have
            ctype, name = _normalise_type(part), "arg%d" % index
        named = _GL_TYPE.search(ctype)
        params.append(Param(name, ctype, named.group(0) if named else ""))
    return tuple(params)


def read_glew_header(path):
    """GLEW's grouping of functions and tokens per extension, its token values and the prototypes of its
    function-pointer types."""
    with open(path, encoding="latin-1") as stream:
        text = stream.read()
    registry = Registry()
    for section in _GLEW_SECTION.finditer(text):
        registry.extensions[section.group(1)] = _GLEW_FUNCTION.findall(section.group(2))
        tokens = _GLEW_TOKEN.findall(section.group(2))
        registry.extension_enums[section.group(1)] = [name for name, _ in tokens]
        registry.enums.update((name, enum_value(value)) for name, value in tokens)
    upper_to_name = {name.upper(): name for names in registry.extensions.values() for name in names}
    for result, upper, params in _GLEW_TYPEDEF.findall(text):
        name = upper_to_name.get(upper)
        if name:
            registry.commands[name] = Command(name, _normalise_type(result), parse_prototype_params(params))
    return registry


def parse_prototype(line):
    """A one-line C prototype 'RESULT name(params)' as a Command."""
    match = re.match(r"(.+?)\b(\w+)\((.*)\)\s*$", line.strip())
    return Command(match.group(2), _normalise_type(match.group(1)), parse_prototype_params(match.group(3)))
